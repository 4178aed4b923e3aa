#include "settings/PreferencesDialog.h"

#include "app/Icons.h"
#include "app/InterfaceTexts.h"
#include "app/PanelWidgets.h"
#include "common/Conversions.h"
#include "library/HairTypes.h"
#include "platform/Dialogs.h"
#include "platform/Guard.h"
#include "settings/StartSelection.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace morvane {

namespace {

const char* const kGroupButtons[] = {"BTS1", "BTS2", "BTS3", "BTS4", "BTS5", "BTS6", "BTS7", "BTUS"};
const char* const kGroupCaptions[] = {"1", "2", "3", "4", "5", "6", "7", "U"};
const char* const kTypeButtons[] = {"BTCC", "BTCE", "BTMC", "BTME", "BTLC", "BTLE", "BTFM"};
const char* const kHairTypeProperty = "hairType";

QLabel* makeLabel(const QString& objectName, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

} // namespace

PreferencesDialog::PreferencesDialog(Setup setup, QWidget* parent)
    : QDialog(parent), m_setup(std::move(setup))
{
    setObjectName(QStringLiteral("TF_OPCOES"));
    setWindowTitle(QStringLiteral("Preferences"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(379, 509);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kPanelColour);
    setPalette(palette);
    buildControls();

    if (m_setup.portuguese)
        InterfaceTexts::apply(this, InterfaceTexts::preferencesPortuguese());
    guarded(m_setup.dialogs, nullptr, [this] { readSettings(); });
}

void PreferencesDialog::buildControls()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->setSpacing(6);

    layout->addWidget(makeLabel(QStringLiteral("Label4"), QStringLiteral("Salon's Name:"), this));
    m_salonName = new QLineEdit(QStringLiteral("Keldrin Software"), this);
    m_salonName->setObjectName(QStringLiteral("edSalonName"));
    QPalette silver = m_salonName->palette();
    silver.setColor(QPalette::Base, QColor(0xC0, 0xC0, 0xC0));
    m_salonName->setPalette(silver);
    layout->addWidget(m_salonName);
    layout->addSpacing(6);

    auto* numbers = new QGridLayout;
    numbers->setHorizontalSpacing(12);
    numbers->setVerticalSpacing(8);
    auto addRow = [&](int row, const char* labelName, const char* text, QSpinBox* spin) {
        numbers->addWidget(makeLabel(QLatin1String(labelName), QLatin1String(text), this), row, 0);
        spin->setFixedWidth(90);
        numbers->addWidget(spin, row, 1);
    };
    m_thumbsSize = new StepSpinBox(QStringLiteral("JvSpinEdit1"), 50, 500, 100, this);
    m_autoTime = new StepSpinBox(QStringLiteral("jvSpinEdit2"), 1, 10, 1, this);
    m_autoTime->setSuffix(QStringLiteral(" s"));
    m_colourMix = new StepSpinBox(QStringLiteral("jvSpinEdit3"), 0, 100, 30, this);
    m_colourMix->setSuffix(QStringLiteral(" %"));
    m_makeUp = new StepSpinBox(QStringLiteral("jvSpinEdit4"), 0, 10, 5, this);
    addRow(0, "Label1", "Thumbnails Size:", m_thumbsSize);
    addRow(1, "Label7", "Automatic Display Time:", m_autoTime);
    addRow(2, "Label2", "Color Mix Level:", m_colourMix);
    addRow(3, "Label3", "Make-Up Intensity:", m_makeUp);
    numbers->setColumnStretch(2, 1);
    layout->addLayout(numbers);
    layout->addSpacing(12);

    auto* choose = makeLabel(QStringLiteral("Label6"),
                             QStringLiteral("Choose a Style and Type to start the program with:"), this);
    choose->setWordWrap(true);
    layout->addWidget(choose);

    auto* groupsRow = new QHBoxLayout;
    groupsRow->setSpacing(2);
    m_groups = new QButtonGroup(this);
    m_groups->setExclusive(true);
    const QStringList& groups = styleGroupNames();
    for (int i = 0; i < groups.size(); ++i) {
        auto* button = new QToolButton(this);
        button->setObjectName(QLatin1String(kGroupButtons[i]));
        button->setText(QLatin1String(kGroupCaptions[i]));
        button->setToolTip(groups.at(i));
        button->setCheckable(true);
        button->setFixedSize(30, 28);
        button->setStyleSheet(QLatin1String(kPictureButtonStyle));
        m_groups->addButton(button, i);
        m_groupButtons.append(button);
        groupsRow->addWidget(button);
        connect(button, &QToolButton::clicked, this, [this, button] { m_styleGroup = button->toolTip(); });
    }
    groupsRow->addStretch(1);
    layout->addLayout(groupsRow);

    auto* typesRow = new QHBoxLayout;
    typesRow->setSpacing(2);
    m_types = new QButtonGroup(this);
    m_types->setExclusive(true);
    const QStringList& types = hairTypeNames();
    for (int i = 0; i < types.size(); ++i) {
        auto* button = new QToolButton(this);
        const QString name = QLatin1String(kTypeButtons[i]);
        button->setObjectName(name);
        button->setToolTip(types.at(i));
        // The value the button stands for stays the hair type's name; the
        // hint may be translated.
        button->setProperty(kHairTypeProperty, types.at(i));
        button->setIcon(programIcon(QStringLiteral(":/hairtypes/%1.svg").arg(name)));
        button->setIconSize(QSize(32, 32));
        button->setCheckable(true);
        button->setAutoRaise(true);
        button->setFixedSize(40, 40);
        button->setStyleSheet(QLatin1String(kPictureButtonStyle));
        m_types->addButton(button, i);
        m_typeButtons.append(button);
        typesRow->addWidget(button);
        connect(button, &QToolButton::clicked, this, [this, button] {
            m_hairType = button->property(kHairTypeProperty).toString();
        });
    }
    m_typeButtons.at(0)->setChecked(true);
    typesRow->addStretch(1);
    layout->addLayout(typesRow);
    layout->addStretch(1);

    auto* commands = new QHBoxLayout;
    auto addCommand = [&](const char* name, const char* text, const char* icon) {
        auto* button = new QPushButton(programIcon(QLatin1String(icon)), QLatin1String(text), this);
        button->setObjectName(QLatin1String(name));
        button->setIconSize(QSize(20, 20));
        button->setMinimumHeight(32);
        button->setAutoDefault(false);
        commands->addWidget(button);
        return button;
    };
    QPushButton* saveButton = addCommand("BT_GRAVAR", "Save", "save");
    QPushButton* resetButton = addCommand("BT_RESET", "Reset", "undo");
    QPushButton* exitButton = addCommand("LbSpeedButton1", "Exit", "exit");
    layout->addLayout(commands);

    connect(saveButton, &QPushButton::clicked, this, &PreferencesDialog::save);
    connect(resetButton, &QPushButton::clicked, this, &PreferencesDialog::reset);
    connect(exitButton, &QPushButton::clicked, this, &QDialog::reject);
}

void PreferencesDialog::readSettings()
{
    const SettingsFile& file = m_setup.settings;
    m_thumbsSize->setValue(spinValueFor(*m_thumbsSize, toFloat(file.read(QStringLiteral("ThumbsSize")))));
    m_autoTime->setValue(spinValueFor(*m_autoTime, toFloat(file.read(QStringLiteral("AutoTime")))));
    m_colourMix->setValue(spinValueFor(*m_colourMix, toFloat(file.read(QStringLiteral("PercColorMix")))));
    m_makeUp->setValue(spinValueFor(*m_makeUp, toFloat(file.read(QStringLiteral("IntensityMakeUp")))));
    m_styleGroup = file.read(QStringLiteral("StylesButton"));
    m_hairType = file.read(QStringLiteral("TypeButton"));
    // A Portuguese label stored by an earlier installation stands for its
    // hair type; Save writes the name back.
    const int typeIndex = hairTypeIndexForSetting(m_hairType);
    if (typeIndex >= 0)
        m_hairType = hairTypeNames().at(typeIndex);
    m_salonName->setText(file.read(QStringLiteral("SalonName")));
    pressButtonsForChoice();
}

void PreferencesDialog::pressButtonsForChoice()
{
    for (QToolButton* button : std::as_const(m_typeButtons)) {
        if (button->property(kHairTypeProperty).toString() == m_hairType)
            button->setChecked(true);
    }
    for (QToolButton* button : std::as_const(m_groupButtons)) {
        if (button->toolTip() == m_styleGroup)
            button->setChecked(true);
    }
}

void PreferencesDialog::save()
{
    guarded(m_setup.dialogs, this, [this] {
        const SettingsFile& file = m_setup.settings;
        file.write(QStringLiteral("ThumbsSize"), numberToText(m_thumbsSize->value()));
        file.write(QStringLiteral("PercColorMix"), numberToText(m_colourMix->value()));
        file.write(QStringLiteral("IntensityMakeUp"), numberToText(m_makeUp->value()));
        file.write(QStringLiteral("StylesButton"), m_styleGroup);
        file.write(QStringLiteral("TypeButton"), m_hairType);
        file.write(QStringLiteral("AutoTime"), numberToText(m_autoTime->value()));
        file.write(QStringLiteral("SalonName"), m_salonName->text());
        emit saved(m_colourMix->value(), m_makeUp->value(), double(m_thumbsSize->value()));
        accept();
    });
}

void PreferencesDialog::reset()
{
    const QString question = m_setup.resetQuestion ? m_setup.resetQuestion() : QString();
    if (m_setup.dialogs.message(this, MessageKind::Confirmation, question, MessageButtons::YesNo)
        != Answer::Yes)
        return;
    m_thumbsSize->setValue(185);
    m_autoTime->setValue(40); // held at its maximum
    m_colourMix->setValue(5);
    m_salonName->setText(QStringLiteral("Morvane 2010"));
    m_groupButtons.at(6)->setChecked(true);
    m_styleGroup = m_groupButtons.at(6)->toolTip();
    m_typeButtons.at(0)->setChecked(true);
    m_hairType = m_typeButtons.at(0)->property(kHairTypeProperty).toString();
    save();
}

} // namespace morvane
