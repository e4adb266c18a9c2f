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
    if (script.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected question: %1").arg(request.text)),
                     __FILE__, __LINE__);
        return Answer::No;
    }
    return script.takeFirst();
}

void ScriptedPresenter::answer(std::initializer_list<Answer> answers) {
    for (Answer a : answers)
        script.push_back(a);
}

QStringList ScriptedPresenter::texts() const {
    QStringList out;
    for (const MessageRequest& r : shown)
        out << r.text;
    return out;
}
