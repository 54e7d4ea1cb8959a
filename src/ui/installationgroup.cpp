// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "ui/installationgroup.h"

#include "words/words.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace ui {

namespace {

// RG-58 is about 5 mm thick; a mast of garden tube some 30 mm; chokes of
// ferrite or coiled coax some 300 to 3000 ohms at VHF.
constexpr double defaultCoax = 5, defaultMast = 30, defaultChoke = 1000;

QDoubleSpinBox *spin(QWidget *parent, const char *name, double from, double to, int decimals, double value,
                     const QString &suffix, const QString &spoken)
{
    auto *box = new QDoubleSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(from, to);
    box->setDecimals(decimals);
    box->setValue(value);
    box->setSuffix(suffix);
    box->setAccessibleName(spoken);
    box->setKeyboardTracking(false); // one simulation for a typed number, not one a digit
    box->setMinimumWidth(96);
    return box;
}

} // namespace

InstallationGroup::InstallationGroup(QWidget *parent) : QGroupBox(QStringLiteral("安装"), parent)
{
    setObjectName(QStringLiteral("installation"));
    auto *grid = new QGridLayout(this);
    grid->setVerticalSpacing(3);
    int row = 0;
    auto labelled = [&](const QString &text, QWidget *field, QWidget *more = nullptr) {
        auto *label = new QLabel(text, this);
        label->setBuddy(field);
        grid->addWidget(label, row, 0, 1, 2);
        grid->addWidget(field, row, 2, 1, more ? 1 : 2);
        if (more)
            grid->addWidget(more, row, 3);
        ++row;
        return label;
    };

    ground = new QComboBox(this);
    ground->setObjectName(QStringLiteral("ground"));
    for (const auto kind : antenna::groundKinds)
        ground->addItem(words::groundName(kind), int(kind));
    ground->setAccessibleName(QStringLiteral("地面"));
    labelled(QStringLiteral("地面(&G)："), ground);

    height = spin(this, "height", 0.1, 1000, 1, antenna::defaultHeight, QStringLiteral(" 米"), QString());
    heightLabel = labelled(QStringLiteral("离地高度(&H)："), height);

    mast = new QCheckBox(QStringLiteral("金属桅杆(&S)"), this);
    mast->setObjectName(QStringLiteral("mast"));
    mastDiameter = spin(this, "mastDiameter", 1, 500, 1, defaultMast, QStringLiteral(" 毫米"), QStringLiteral("桅杆外径 毫米"));
    grid->addWidget(mast, row, 0, 1, 2);
    grid->addWidget(mastDiameter, row++, 2, 1, 2);

    coax = new QCheckBox(QStringLiteral("同轴电缆(&X)"), this);
    coax->setObjectName(QStringLiteral("coax"));
    coaxDiameter = spin(this, "coaxDiameter", 1, 50, 1, defaultCoax, QStringLiteral(" 毫米"), QStringLiteral("电缆外径 毫米"));
    grid->addWidget(coax, row, 0, 1, 2);
    grid->addWidget(coaxDiameter, row++, 2, 1, 2);

    choke = new QCheckBox(QStringLiteral("扼流圈(&K)"), this);
    choke->setObjectName(QStringLiteral("choke"));
    chokeOhms = spin(this, "chokeOhms", 1, 100000, 0, defaultChoke, QStringLiteral(" 欧"), QStringLiteral("扼流圈阻抗 欧"));
    grid->addWidget(choke, row, 0, 1, 2);
    grid->addWidget(chokeOhms, row++, 2, 1, 2);
    chokeAt = spin(this, "chokeAt", 0, 1000, 2, 0, QStringLiteral(" 米"), QStringLiteral("扼流圈位于 J 底部以下 米"));
    labelled(QStringLiteral("在 J 下方(&L)："), chokeAt);

    auto *builtLabel = new QLabel(QStringLiteral("实际制作尺寸（毫米）："), this);
    grid->addWidget(builtLabel, row++, 0, 1, 4);
    for (std::size_t i = 0; i < built.size(); ++i) {
        const char letter = char('A' + i);
        built[i] = spin(this, qPrintable(QStringLiteral("built%1").arg(QLatin1Char(letter))), 0.01, 10000000, 2, 0,
                        QString(), QStringLiteral("实际 %1 毫米").arg(QLatin1Char(letter)));
        auto *label = new QLabel(QStringLiteral("%1").arg(QLatin1Char(letter)), this);
        label->setBuddy(built[i]);
        grid->addWidget(label, row + int(i) / 2, int(i) % 2 == 0 ? 0 : 2, Qt::AlignRight);
        grid->addWidget(built[i], row + int(i) / 2, int(i) % 2 == 0 ? 1 : 3);
    }
    builtLabel->setBuddy(built[0]);
    row += 2;
    auto *reset = new QPushButton(QStringLiteral("按公式值(&F)"), this);
    reset->setObjectName(QStringLiteral("builtReset"));
    reset->setAccessibleName(QStringLiteral("实际尺寸恢复为公式值"));
    grid->addWidget(reset, row++, 0, 1, 4);
    connect(reset, &QPushButton::clicked, this, [this] { setFormula(formula); emit changed(); });

    for (auto *box : {mast, coax, choke})
        connect(box, &QCheckBox::toggled, this, [this] {
            enableWhatApplies();
            emit changed();
        });
    connect(ground, &QComboBox::currentIndexChanged, this, [this] {
        enableWhatApplies();
        emit changed();
    });
    for (auto *box : {height, mastDiameter, coaxDiameter, chokeOhms, chokeAt, built[0], built[1], built[2], built[3]})
        connect(box, &QDoubleSpinBox::valueChanged, this, &InstallationGroup::changed);
    enableWhatApplies();
}

void InstallationGroup::enableWhatApplies()
{
    const bool free = ground->currentData().toInt() == int(antenna::GroundKind::Free);
    // In free space the height is the mast and coax hanging below the J.
    heightLabel->setText(free ? QStringLiteral("J 下方长度(&H)：") : QStringLiteral("离地高度(&H)："));
    height->setAccessibleName(free ? QStringLiteral("J 下方桅杆和电缆的长度 米") : QStringLiteral("J 底部离地高度 米"));
    mastDiameter->setEnabled(mast->isChecked());
    coaxDiameter->setEnabled(coax->isChecked());
    choke->setEnabled(coax->isChecked());
    chokeOhms->setEnabled(coax->isChecked() && choke->isChecked());
    chokeAt->setEnabled(coax->isChecked() && choke->isChecked());
}

void InstallationGroup::setFormula(const calc::Lengths &lengths)
{
    formula = lengths;
    const double values[] = {lengths.a, lengths.b, lengths.c, lengths.d};
    for (std::size_t i = 0; i < built.size(); ++i) {
        const QSignalBlocker quiet(built[i]); // the results' own simulation follows
        built[i]->setValue(values[i]);
    }
}

antenna::Installation InstallationGroup::installation() const
{
    antenna::Installation inst;
    inst.ground = antenna::GroundKind(ground->currentData().toInt());
    inst.height = height->value();
    if (mast->isChecked())
        inst.mast = mastDiameter->value();
    if (coax->isChecked())
        inst.coax = coaxDiameter->value();
    if (coax->isChecked() && choke->isChecked()) {
        inst.choke = chokeOhms->value();
        inst.chokeAt = chokeAt->value();
    }
    const calc::Lengths asBuilt{built[0]->value(), built[1]->value(), built[2]->value(), built[3]->value()};
    // The boxes show two decimals, as the results do: the same, they are the formula's.
    auto shown = [](double v) { return std::round(v * 100) / 100; };
    if (shown(asBuilt.a) != shown(formula.a) || shown(asBuilt.b) != shown(formula.b) || shown(asBuilt.c) != shown(formula.c)
        || shown(asBuilt.d) != shown(formula.d))
        inst.asBuilt = asBuilt;
    return inst;
}

} // namespace ui
