#pragma once

// Test seams of the file dialogs and message boxes: a test can answer the next
// one instead of a person.

#include <QMessageBox>
#include <QString>

#include <optional>

struct ShownMessage {
    QMessageBox::Icon icon;
    QString caption;
    QString text;
};

// The next file dialog returns NextFileName without showing itself (empty:
// cancelled); while RecordMessages is set, message boxes are not shown but
// kept in LastMessage.
extern std::optional<QString> NextFileName;
extern bool RecordMessages;
extern std::optional<ShownMessage> LastMessage;
