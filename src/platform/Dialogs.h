#pragma once

#include <QString>
#include <QStringList>

class QDialog;
class QWidget;

namespace morvane {

enum class MessageKind { Warning, Error, Information, Confirmation };
enum class MessageButtons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

struct FileRequest {
    QString caption;
    QString folder;          // where the dialog starts
    QStringList nameFilters; // "Images (*.png *.jpg)", ...
    bool preview = true;     // show a picture preview pane
};

struct SaveRequest : FileRequest {
    QString suggestedName;
    bool jpegQualityOption = false;
    QString defaultSuffix; // added to a name typed without an extension ("jpg")
};

struct SaveChoice {
    QString path; // empty: cancelled
    int jpegQuality = 0; // 0: the user chose none, the writer's default applies
};

// Every modal question and dialog of the program goes through this
// interface. The program installs the Qt implementation; tests install a
// scripted one that answers from a queue and records what was shown.
class Dialogs {
public:
    virtual ~Dialogs();

    // A standard message box: title by kind ("Warning", "Error",
    // "Information", "Confirm"), English buttons.
    virtual Answer message(QWidget* parent, MessageKind kind, const QString& text,
                           MessageButtons buttons = MessageButtons::Ok) = 0;

    // The default error box: error icon, title "Morvane 2010", the message
    // with a full stop added.
    void errorBox(QWidget* parent, const QString& message);

    // An open dialog; returns the chosen path or an empty text.
    virtual QString openFile(QWidget* parent, const FileRequest& request) = 0;
    // A save dialog that asks before replacing a file and, when asked to,
    // offers the JPEG quality among its format options.
    virtual SaveChoice saveFile(QWidget* parent, const SaveRequest& request) = 0;

    // Shows one of the program's own modal dialogs and returns its result code.
    virtual int exec(QDialog& dialog) = 0;

protected:
    virtual void showErrorBox(QWidget* parent, const QString& text) = 0;
};

// The text the default error box shows for a message.
QString errorBoxText(const QString& message);

inline constexpr const char* kApplicationTitle = "Morvane 2010";

} // namespace morvane
