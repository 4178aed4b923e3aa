#include "support/ScriptedDialogs.h"

#include <QTest>

namespace morvane::test {

Answer ScriptedDialogs::message(QWidget*, MessageKind kind, const QString& text, MessageButtons buttons)
{
    messages.append({kind, text, buttons});
    if (buttons == MessageButtons::Ok)
        return Answer::Ok;
    if (answers.empty()) {
        qWarning("ScriptedDialogs: unexpected question: %s", qPrintable(text));
        return Answer::No;
    }
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

QString ScriptedDialogs::openFile(QWidget*, const FileRequest& request)
{
    openRequests.append(request);
    if (openPaths.empty())
        return {};
    QString path = openPaths.front();
    openPaths.pop_front();
    return path;
}

SaveChoice ScriptedDialogs::saveFile(QWidget*, const SaveRequest& request)
{
    saveRequests.append(request);
    if (saveChoices.empty())
        return {};
    SaveChoice choice = saveChoices.front();
    saveChoices.pop_front();
    return choice;
}

int ScriptedDialogs::exec(QDialog& dialog)
{
    dialogsShown.append(dialog.objectName());
    if (dialogScripts.empty())
        return QDialog::Rejected;
    auto script = std::move(dialogScripts.front());
    dialogScripts.pop_front();
    return script(dialog);
}

QStringList ScriptedDialogs::messageTexts() const
{
    QStringList texts;
    for (const Shown& shown : messages)
        texts.append(shown.text);
    return texts;
}

void ScriptedDialogs::showErrorBox(QWidget*, const QString& text)
{
    errors.append(text);
}

} // namespace morvane::test
