#pragma once

#include <QDialog>

class QLabel;

namespace morvane {

class SettingsFile;

// The About box "TF_SOBRE": the product line with the version from the
// settings file, two lines of text and OK (Esc closes it too). Its texts
// are unscrambled when it is created, its caption each time it is shown.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    AboutBox(const SettingsFile& settings, QWidget* parent = nullptr);

    QString productLine() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* m_product;
};

} // namespace morvane
