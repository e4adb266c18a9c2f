#pragma once

#include "data/Outcome.h"

#include <QString>

// One message box as the program asks for it.
struct MessageRequest {
    enum class Kind { Notice, Confirmation };
    Kind kind = Kind::Notice;
    QString title;
    QString text;
};

// Shows message boxes; the program's presenter shows real boxes, tests script the answers.
class MessagePresenter {
public:
    enum class Answer { Ok, Yes, No };
    virtual ~MessagePresenter() = default;
    virtual Answer present(const MessageRequest& request) = 0;
};

// Every message box of the program goes through these functions.
namespace Messages {

inline const QString kAppTitle = QStringLiteral("ColtsTracker");
inline const QString kConfirmTitle = QStringLiteral("Confirm Cancel");
inline const QString kCancelQuestion = QStringLiteral(
    "Cancelling will result in a loss of all changes. Are you sure you want to continue?");
inline const QString kSaveQuestion = QStringLiteral(
    "This will save all the changes made to this form. Are you sure you want to continue?");

// OK only, no icon; titled with the application title unless `title` is given.
void notice(const QString& text, const QString& title = kAppTitle);

// Yes and No with the warning icon, titled "Confirm Cancel"; true unless the answer is No.
bool confirm(const QString& text);

// Says why the file at `path` could not be saved when `written` failed; true when it was saved.
bool saved(const QString& path, const Outcome& written);

// Replaces the presenter (nullptr restores the program's own); returns the previous one.
MessagePresenter* setPresenter(MessagePresenter* presenter);

// The program's presenter: a real QMessageBox; Escape and the close box answer No.
class BoxPresenter : public MessagePresenter {
public:
    Answer present(const MessageRequest& request) override;
};

} // namespace Messages
