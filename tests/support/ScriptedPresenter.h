#pragma once

#include "forms/Messages.h"

#include <QList>
#include <QStringList>
#include <QVector>

// Records every message box and gives scripted answers to the confirmations; installs itself
// for its lifetime. A question the test did not script an answer for, and answers left over
// at the end, fail the test.
class ScriptedPresenter : public MessagePresenter {
public:
    ScriptedPresenter();
    ~ScriptedPresenter() override;

    Answer present(const MessageRequest& request) override;

    // Answers for the next confirmations, in order.
    void answer(const QList<Answer>& answers) { script += answers; }
    // The text of every box shown, or "title: text" when `titled`.
    QStringList texts(bool titled = false) const;
    QString lastText() const { return shown.isEmpty() ? QString() : shown.last().text; }

    QVector<MessageRequest> shown;
    QList<Answer> script;

private:
    MessagePresenter* m_previous;
};
