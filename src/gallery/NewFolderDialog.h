#pragma once

#include <QDialog>

class QLineEdit;

namespace morvane {

// The New Gallery Folder dialog "TF_FOLDER": one edit box for the name of
// a person folder, OK and Cancel. Created each time it is needed. OK
// confirms the name as typed; Cancel, Esc and the close box leave it
// unconfirmed.
class NewFolderDialog : public QDialog {
    Q_OBJECT
public:
    explicit NewFolderDialog(bool portuguese, QWidget* parent = nullptr);

    bool confirmed() const { return m_confirmed; }
    QString folderName() const { return m_name; }

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* m_edit;
    bool m_confirmed = false;
    QString m_name;
};

} // namespace morvane
