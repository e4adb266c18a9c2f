#include "support/ScriptedPresenter.h"

ScriptedPresenter::ScriptedPresenter() : m_previous(Messages::setPresenter(this)) {}

ScriptedPresenter::~ScriptedPresenter() {
    Messages::setPresenter(m_previous);
}

MessagePresenter::Answer ScriptedPresenter::present(const MessageRequest& request) {
    shown.push_back(request);
    if (request.kind == MessageRequest::Kind::Notice)
        return Answer::Ok;
    return script.isEmpty() ? Answer::Yes : script.takeFirst();
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
