#include "forms/Messages.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>

namespace {

Messages::BoxPresenter g_boxPresenter;
MessagePresenter* g_presenter = &g_boxPresenter;

} // namespace

namespace Messages {

void notice(const QString& text, const QString& title) {
    g_presenter->present({MessageRequest::Kind::Notice, title, text});
}

bool saved(const QString& path, const Outcome& written) {
    if (!written.ok())
        notice(QStringLiteral("The file \"%1\" could not be saved: %2.")
                   .arg(QDir::toNativeSeparators(path), written.failure));
    return written.ok();
}

bool confirm(const QString& text) {
    return g_presenter->present({MessageRequest::Kind::Confirmation, kConfirmTitle, text}) !=
           MessagePresenter::Answer::No;
}

MessagePresenter* setPresenter(MessagePresenter* presenter) {
    MessagePresenter* previous = g_presenter;
    g_presenter = presenter ? presenter : &g_boxPresenter;
    return previous;
}

MessagePresenter::Answer BoxPresenter::present(const MessageRequest& request) {
    QMessageBox box(QApplication::activeWindow());
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setWindowTitle(request.title);
    box.setText(request.text);
    box.setTextFormat(Qt::PlainText);
    if (request.kind == MessageRequest::Kind::Notice) {
        box.setIcon(QMessageBox::NoIcon);
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return Answer::Ok;
    }
    box.setIcon(QMessageBox::Warning);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    box.exec();
    return box.clickedButton() == box.button(QMessageBox::Yes) ? Answer::Yes : Answer::No;
}

} // namespace Messages
