#pragma once

#include "platform/Dialogs.h"

#include <QDialog>
#include <QStringList>

#include <deque>
#include <functional>

namespace morvane::test {

// Dialogs for tests: answers come from queues, and every text shown is
// recorded. A question with no queued answer fails the test loudly.
class ScriptedDialogs : public Dialogs {
public:
    struct Shown {
        MessageKind kind;
        QString text;
        MessageButtons buttons;
    };

    std::deque<Answer> answers;
    std::deque<QString> openPaths;
    std::deque<SaveChoice> saveChoices;
    // Each scripted dialog run gets the dialog, may drive its controls and
    // returns the result code exec() gives back.
    std::deque<std::function<int(QDialog&)>> dialogScripts;

    QList<Shown> messages;
    QStringList errors; // texts of the default error box, full stop included
    QList<FileRequest> openRequests;
    QList<SaveRequest> saveRequests;
    QStringList dialogsShown; // objectName of each dialog exec() was asked to show

    Answer message(QWidget* parent, MessageKind kind, const QString& text,
                   MessageButtons buttons) override;
    QString openFile(QWidget* parent, const FileRequest& request) override;
    SaveChoice saveFile(QWidget* parent, const SaveRequest& request) override;
    int exec(QDialog& dialog) override;

    QStringList messageTexts() const;

protected:
    void showErrorBox(QWidget* parent, const QString& text) override;
};

} // namespace morvane::test
