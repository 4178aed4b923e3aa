#pragma once

#include "platform/Dialogs.h"

namespace morvane {

// The real dialogs: QMessageBox and non-native QFileDialog with a preview pane.
class QtDialogs : public Dialogs {
public:
    Answer message(QWidget* parent, MessageKind kind, const QString& text,
                   MessageButtons buttons) override;
    QString openFile(QWidget* parent, const FileRequest& request) override;
    SaveChoice saveFile(QWidget* parent, const SaveRequest& request) override;
    int exec(QDialog& dialog) override;

protected:
    void showErrorBox(QWidget* parent, const QString& text) override;
};

} // namespace morvane
