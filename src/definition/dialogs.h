#pragma once

// Every file dialog and message box of the program goes through these, so that
// a test can answer the next one instead of a person.

#include <QMessageBox>
#include <QString>

#include <optional>

// The chosen path, or an empty text when the dialog was cancelled.
QString ChooseFileToLoad(const QString &title, const QString &filter);
QString ChooseFileToSave(const QString &title, const QString &filter);
void ShowMessage(QMessageBox::Icon icon, const QString &caption, const QString &text);

struct ShownMessage {
    QMessageBox::Icon icon;
    QString caption;
    QString text;
};

// Answers for tests: the next file dialog returns NextFileName without showing
// itself (empty: cancelled); while RecordMessages is set, message boxes are not
// shown but kept in LastMessage.
extern std::optional<QString> NextFileName;
extern bool RecordMessages;
extern std::optional<ShownMessage> LastMessage;

// "Label|pattern|Label|pattern..." into the name filters of a file dialog.
QStringList NameFiltersOf(const QString &filter);
