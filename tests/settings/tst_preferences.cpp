#include "settings/PreferencesDialog.h"

#include "settings/SettingsFile.h"
#include "support/ScriptedDialogs.h"
#include "support/TempContent.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

using namespace morvane;
using morvane::test::ScriptedDialogs;
using morvane::test::TempContent;

namespace {

const QString kResetQuestion = QStringLiteral("Reset to the default colors and options?");

struct Fixture {
    TempContent content;
    ScriptedDialogs dialogs;

    std::unique_ptr<PreferencesDialog> dialog(bool portuguese = false)
    {
        return std::make_unique<PreferencesDialog>(PreferencesDialog::Setup{
            SettingsFile(content.paths().settingsFile()), dialogs, portuguese, [] { return kResetQuestion; }});
    }
    QByteArray fileBytes() const
    {
        QFile file(content.paths().settingsFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString read(const char* key) const
    {
        return SettingsFile(content.paths().settingsFile()).read(QLatin1String(key));
    }
};

QSpinBox* spin(QDialog& dialog, const char* name)
{
    return dialog.findChild<QSpinBox*>(QLatin1String(name));
}

QAbstractButton* button(QDialog& dialog, const char* name)
{
    return dialog.findChild<QAbstractButton*>(QLatin1String(name));
}

} // namespace

class TestPreferences : public QObject {
    Q_OBJECT
private slots:
    void readsTheSettingsIntoItsControls();
    void saveWritesTheSevenKeysInOrderAndReportsThree();
    void spinFieldsHoldValuesInRangeAndTakeNoTyping();
    void resetAsksFirst_data();
    void resetAsksFirst();
    void exitAndEscapeKeepUnsavedState();
    void failedConversionStopsReading();
    void unwritableFileKeepsTheDialogOpen();
    void portugueseHintsButHairTypeNamesStored();
};

void TestPreferences::readsTheSettingsIntoItsControls()
{
    Fixture f;
    f.content.writeSettings({"ThumbsSize=150", "AutoTime=3", "PercColorMix=45", "IntensityMakeUp=7",
                             "StylesButton=Styles2", "TypeButton=Long and Dark", "SalonName=Salão Ana"});
    auto dialog = f.dialog();
    QVERIFY(f.dialogs.errors.isEmpty());
    QCOMPARE(dialog->objectName(), QStringLiteral("TF_OPCOES"));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Preferences"));
    QCOMPARE(dialog->size(), QSize(379, 509));
    QCOMPARE(spin(*dialog, "JvSpinEdit1")->value(), 150);
    QCOMPARE(spin(*dialog, "jvSpinEdit2")->value(), 3);
    QCOMPARE(spin(*dialog, "jvSpinEdit3")->value(), 45);
    QCOMPARE(spin(*dialog, "jvSpinEdit4")->value(), 7);
    QCOMPARE(dialog->findChild<QLineEdit*>(QStringLiteral("edSalonName"))->text(), QStringLiteral("Salão Ana"));
    QVERIFY(button(*dialog, "BTS2")->isChecked());
    QVERIFY(button(*dialog, "BTLE")->isChecked());
    QVERIFY(!button(*dialog, "BTCC")->isChecked());
    QCOMPARE(dialog->chosenStyleGroup(), QStringLiteral("Styles2"));
    QCOMPARE(dialog->chosenHairType(), QStringLiteral("Long and Dark"));
}

void TestPreferences::saveWritesTheSevenKeysInOrderAndReportsThree()
{
    Fixture f;
    f.content.writeSettings({"Version=1.0", "ThumbsSize=185.0", "AutoTime=2", "PercColorMix=30",
                             "IntensityMakeUp=5", "Language=EN"});
    auto dialog = f.dialog();
    QSignalSpy saved(dialog.get(), &PreferencesDialog::saved);
    spin(*dialog, "jvSpinEdit3")->setValue(45);
    button(*dialog, "BTS3")->click();
    button(*dialog, "BTME")->click();
    dialog->findChild<QLineEdit*>(QStringLiteral("edSalonName"))->setText(QStringLiteral("Studio"));
    button(*dialog, "BT_GRAVAR")->click();

    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(saved.size(), 1);
    QCOMPARE(saved.at(0).at(0).toInt(), 45);
    QCOMPARE(saved.at(0).at(1).toInt(), 5);
    QCOMPARE(saved.at(0).at(2).toDouble(), 185.0);
    // Existing keys are replaced in place; the new ones follow in the order written.
    QCOMPARE(QString::fromUtf8(f.fileBytes()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts),
             QStringList({"[Morvane 2010]", "Version=1.0", "ThumbsSize=185", "AutoTime=2",
                          "PercColorMix=45", "IntensityMakeUp=5", "Language=EN",
                          "StylesButton=Styles3", "TypeButton=Medium and Dark", "SalonName=Studio"}));
}

void TestPreferences::spinFieldsHoldValuesInRangeAndTakeNoTyping()
{
    Fixture f;
    f.content.writeSettings({"ThumbsSize=1000", "AutoTime=0", "PercColorMix=-5", "IntensityMakeUp=99999999999"});
    auto dialog = f.dialog();
    QVERIFY(f.dialogs.errors.isEmpty());
    QCOMPARE(spin(*dialog, "JvSpinEdit1")->value(), 500);
    QCOMPARE(spin(*dialog, "jvSpinEdit2")->value(), 1);
    QCOMPARE(spin(*dialog, "jvSpinEdit3")->value(), 0);
    QCOMPARE(spin(*dialog, "jvSpinEdit4")->value(), 10);
    for (const char* name : {"JvSpinEdit1", "jvSpinEdit2", "jvSpinEdit3", "jvSpinEdit4"}) {
        QSpinBox* field = spin(*dialog, name);
        QCOMPARE(field->singleStep(), 1);
        QVERIFY(field->findChild<QLineEdit*>()->isReadOnly());
    }
    QTest::keyClicks(spin(*dialog, "JvSpinEdit1"), QStringLiteral("7"));
    QCOMPARE(spin(*dialog, "JvSpinEdit1")->value(), 500);

    button(*dialog, "BT_GRAVAR")->click();
    QCOMPARE(f.read("ThumbsSize"), QStringLiteral("500"));
    QCOMPARE(f.read("AutoTime"), QStringLiteral("1"));
}

void TestPreferences::resetAsksFirst_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
}

void TestPreferences::resetAsksFirst()
{
    QFETCH(bool, yes);
    Fixture f;
    f.content.writeDefaultSettings();
    auto dialog = f.dialog();
    spin(*dialog, "jvSpinEdit4")->setValue(8); // unsaved; Reset keeps it
    const QByteArray before = f.fileBytes();
    f.dialogs.answers.push_back(yes ? Answer::Yes : Answer::No);
    button(*dialog, "BT_RESET")->click();

    QCOMPARE(f.dialogs.messages.size(), 1);
    QCOMPARE(f.dialogs.messages.at(0).text, kResetQuestion);
    QCOMPARE(f.dialogs.messages.at(0).kind, MessageKind::Confirmation);
    QCOMPARE(f.dialogs.messages.at(0).buttons, MessageButtons::YesNo);
    if (!yes) {
        QCOMPARE(f.fileBytes(), before);
        QCOMPARE(spin(*dialog, "JvSpinEdit1")->value(), 185);
        QCOMPARE(spin(*dialog, "jvSpinEdit3")->value(), 30);
        QCOMPARE(dialog->result(), 0);
        return;
    }
    QCOMPARE(f.read("ThumbsSize"), QStringLiteral("185"));
    QCOMPARE(f.read("AutoTime"), QStringLiteral("10"));
    QCOMPARE(f.read("PercColorMix"), QStringLiteral("5"));
    QCOMPARE(f.read("IntensityMakeUp"), QStringLiteral("8"));
    QCOMPARE(f.read("StylesButton"), QStringLiteral("Styles7"));
    QCOMPARE(f.read("TypeButton"), QStringLiteral("Short and Light"));
    QCOMPARE(f.read("SalonName"), QStringLiteral("Morvane 2010"));
    QVERIFY(button(*dialog, "BTS7")->isChecked());
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
}

void TestPreferences::exitAndEscapeKeepUnsavedState()
{
    Fixture f;
    f.content.writeDefaultSettings();
    auto dialog = f.dialog();
    const QByteArray before = f.fileBytes();
    auto* salon = dialog->findChild<QLineEdit*>(QStringLiteral("edSalonName"));

    dialog->show();
    salon->setText(QStringLiteral("Unsaved"));
    button(*dialog, "BTS5")->click();
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    QCOMPARE(f.fileBytes(), before);

    dialog->show(); // the next opening shows what was left
    QCOMPARE(salon->text(), QStringLiteral("Unsaved"));
    QVERIFY(button(*dialog, "BTS5")->isChecked());
    button(*dialog, "LbSpeedButton1")->click();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(f.fileBytes(), before);
    QCOMPARE(dialog->chosenStyleGroup(), QStringLiteral("Styles5"));
}

void TestPreferences::failedConversionStopsReading()
{
    Fixture f;
    f.content.writeSettings({"ThumbsSize=120", "AutoTime=soon", "PercColorMix=45", "SalonName=X"});
    auto dialog = f.dialog();
    QCOMPARE(f.dialogs.errors, QStringList{QStringLiteral("'soon' is not a valid floating point value.")});
    QCOMPARE(spin(*dialog, "JvSpinEdit1")->value(), 120);
    QCOMPARE(spin(*dialog, "jvSpinEdit3")->value(), 30); // design value: not read
    QCOMPARE(dialog->findChild<QLineEdit*>(QStringLiteral("edSalonName"))->text(), QStringLiteral("Keldrin Software"));
    QVERIFY(button(*dialog, "BTCC")->isChecked());
}

void TestPreferences::unwritableFileKeepsTheDialogOpen()
{
    ScriptedDialogs dialogs;
    const QString path = QStringLiteral("/nonexistent-folder/morvane2010.ini");
    PreferencesDialog dialog({SettingsFile(path), dialogs, false, {}});
    dialogs.errors.clear();
    QSignalSpy saved(&dialog, &PreferencesDialog::saved);
    dialog.show();
    button(dialog, "BT_GRAVAR")->click();
    QCOMPARE(dialogs.errors, QStringList{QStringLiteral("Unable to write to ") + path + QLatin1Char('.')});
    QCOMPARE(saved.size(), 0);
    QVERIFY(dialog.isVisible());
}

void TestPreferences::portugueseHintsButHairTypeNamesStored()
{
    Fixture f;
    f.content.writeSettings({"ThumbsSize=185", "AutoTime=2", "PercColorMix=30", "IntensityMakeUp=5",
                             "StylesButton=Styles1", "TypeButton=Long and Dark"});
    auto dialog = f.dialog(true);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Preferências"));
    QCOMPARE(button(*dialog, "BT_GRAVAR")->text(), QStringLiteral("Gravar"));
    QCOMPARE(button(*dialog, "BT_RESET")->text(), QStringLiteral("Original"));
    QCOMPARE(button(*dialog, "BTLE")->toolTip(), QStringLiteral("Longos e Escuros"));
    QCOMPARE(button(*dialog, "BTS1")->toolTip(), QStringLiteral("Styles1"));
    // The stored name still finds its button.
    QVERIFY(button(*dialog, "BTLE")->isChecked());

    button(*dialog, "BTFM")->click();
    button(*dialog, "BT_GRAVAR")->click();
    QCOMPARE(f.read("TypeButton"), QStringLiteral("For Men"));

    f.dialogs.answers.push_back(Answer::Yes);
    button(*dialog, "BT_RESET")->click();
    QCOMPARE(f.read("TypeButton"), QStringLiteral("Short and Light"));

    // A label stored by an earlier Portuguese dialog is read as its hair type.
    f.content.writeSettings({"ThumbsSize=185", "AutoTime=2", "PercColorMix=30", "IntensityMakeUp=5",
                             "TypeButton=Masculinos"});
    auto older = f.dialog(true);
    QVERIFY(button(*older, "BTFM")->isChecked());
    button(*older, "BT_GRAVAR")->click();
    QCOMPARE(f.read("TypeButton"), QStringLiteral("For Men"));
}

QTEST_MAIN(TestPreferences)
#include "tst_preferences.moc"
