#pragma once

#include "settings/SettingsFile.h"

#include <QDialog>
#include <QList>

#include <functional>

class QButtonGroup;
class QLineEdit;
class QSpinBox;
class QToolButton;

namespace morvane {

class Dialogs;

// The Preferences dialog "TF_OPCOES": edits the seven writable keys of the
// settings file. Created once at start, it reads the file then and keeps its
// state between openings; Save writes the file and reports the colour mix
// level, the make-up intensity and the maximised thumbnail size.
class PreferencesDialog : public QDialog {
    Q_OBJECT
public:
    struct Setup {
        SettingsFile settings;
        Dialogs& dialogs;
        bool portuguese = false;
        // The Reset question, read when it is asked.
        std::function<QString()> resetQuestion;
    };

    explicit PreferencesDialog(Setup setup, QWidget* parent = nullptr);

    QString chosenStyleGroup() const { return m_styleGroup; }
    // Always a hair type name as the main window and the folders know it,
    // whatever language the buttons' hints are in.
    QString chosenHairType() const { return m_hairType; }

    // BT_GRAVAR: writes the seven keys, reports the values and closes.
    void save();
    // BT_RESET: asks first; on Yes sets the default values and saves.
    void reset();

signals:
    void saved(int colourMixLevel, int makeUpIntensity, double maximizedThumbnailSize);

private:
    void buildControls();
    void readSettings();
    void pressButtonsForChoice();

    Setup m_setup;
    QLineEdit* m_salonName = nullptr;
    QSpinBox* m_thumbsSize = nullptr;
    QSpinBox* m_autoTime = nullptr;
    QSpinBox* m_colourMix = nullptr;
    QSpinBox* m_makeUp = nullptr;
    QList<QToolButton*> m_groupButtons;
    QList<QToolButton*> m_typeButtons;
    QButtonGroup* m_groups = nullptr;
    QButtonGroup* m_types = nullptr;
    QString m_styleGroup;
    QString m_hairType;
};

} // namespace morvane
