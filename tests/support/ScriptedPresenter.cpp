#include "support/ScriptedPresenter.h"

#include <QTest>

ScriptedPresenter::ScriptedPresenter() : m_previous(Messages::setPresenter(this)) {}

ScriptedPresenter::~ScriptedPresenter() {
    Messages::setPresenter(m_previous);
    if (!script.isEmpty())
        QTest::qFail(qPrintable(QStringLiteral("%1 scripted answer(s) left over: the program asked "
                                               "fewer questions than the test expected")
                                    .arg(script.size())),
                     __FILE__, __LINE__);
}

MessagePresenter::Answer ScriptedPresenter::present(const MessageRequest& request) {
    shown.push_back(request);
    if (request.kind == MessageRequest::Kind::Notice)
        return Answer::Ok;
    if (!script.isEmpty())
        return script.takeFirst();
    QTest::qFail(qPrintable(QStringLiteral("unexpected question: %1").arg(request.text)), __FILE__,
                 __LINE__);
    return Answer::No;
}

QStringList ScriptedPresenter::texts(bool titled) const {
    QStringList out;
    for (const MessageRequest& r : shown)
        out << (titled ? r.title + QStringLiteral(": ") : QString()) + r.text;
    return out;
}
