#pragma once

#include <QString>

// The program's own words that several tests check, written out here once, letter for
// letter, so that a slip in the program's copy of them fails a test.
namespace Texts {

inline const QString kSaveQuestion = QStringLiteral(
    "This will save all the changes made to this form. Are you sure you want to continue?");
inline const QString kCancelQuestion = QStringLiteral(
    "Cancelling will result in a loss of all changes. Are you sure you want to continue?");
inline const QString kLocked = QStringLiteral(
    "The database could not complete this action: database is locked.\n\nNothing was changed.");
inline const QString kConfirmTitle = QStringLiteral("Confirm Cancel");
inline const QString kAppTitle = QStringLiteral("ColtsTracker");

} // namespace Texts
