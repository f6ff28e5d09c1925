// The setting controls of the main window: the frames with their lists and check boxes, and the
// colour frame with one row of swatch options per colour group.

#include "app/MainWindow.h"

#include "app/ControlTips.h"
#include "colour/ColourValue.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace orv {

namespace {

const QString Swatch = QStringLiteral("■");

// A list with its caption on its left; the caption names the list (its buddy), which screen
// readers announce with it.
void AddCaptionedList(QGridLayout* grid, const QString& caption, QComboBox* list, int row, int column,
                      int listColumns = 1)
{
    auto* label = new QLabel(caption, grid->parentWidget());
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setBuddy(list);
    grid->addWidget(label, row, column);
    grid->addWidget(list, row, column + 1, 1, listColumns);
}

QGroupBox* Frame(const char* name, const QString& caption, QWidget* parent)
{
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(QLatin1String(name));
    return frame;
}

} // namespace

QComboBox* MainWindow::MakeList(ListKey key)
{
    auto* combo = new QComboBox(this);
    combo->setObjectName(QLatin1String(ListControlNames[Index(key)]));
    combo->setToolTip(SettingToolTip(combo->objectName()));
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    combo->setMaxVisibleItems(20);
    connect(combo, &QComboBox::currentIndexChanged, this, [this, key](int index) { OnListChanged(key, index); });
    lists_[Index(key)] = combo;
    return combo;
}

QCheckBox* MainWindow::MakeCheck(SwitchKey key, const QString& caption)
{
    auto* check = new QCheckBox(caption, this);
    check->setObjectName(QLatin1String(SwitchControlNames[Index(key)]));
    check->setToolTip(SettingToolTip(check->objectName()));
    connect(check, &QCheckBox::toggled, this, [this, key](bool on) { OnCheckToggled(key, on); });
    checks_[Index(key)] = check;
    return check;
}

QWidget* MainWindow::BuildControlPanel()
{
    using L = ListKey;
    using S = SwitchKey;
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);

    // 全般: paper and glue tab.
    QGroupBox* general = Frame("FrameZenpan", QStringLiteral("全般"), panel);
    auto* g = new QGridLayout(general);
    AddCaptionedList(g, QStringLiteral("大きさ・用紙"), MakeList(L::RR0), 0, 0, 2);
    AddCaptionedList(g, QStringLiteral("のりしろ角度"), MakeList(L::Nori), 1, 0);
    g->addWidget(new QLabel(QStringLiteral("度"), general), 1, 2);
    g->setColumnStretch(3, 1);

    // 恒星: faintest magnitude and filled discs.
    QGroupBox* stars = Frame("FrameKosei", QStringLiteral("恒星"), panel);
    auto* st = new QGridLayout(stars);
    AddCaptionedList(st, QStringLiteral("最低等級"), MakeList(L::Tokyu), 0, 0);
    st->addWidget(MakeCheck(S::FkoseiFill, QStringLiteral("中塗り")), 1, 0, 1, 2);
    st->setColumnStretch(2, 1);

    // 観測地: site, date and time.
    QGroupBox* site = Frame("FrameKansoku", QStringLiteral("観測地"), panel);
    auto* si = new QGridLayout(site);
    QComboBox* ken = MakeList(L::KansokuKen);
    ken->setPlaceholderText(QStringLiteral("都道府県選択"));
    ken->setMinimumContentsLength(6);
    ken->setAccessibleName(QStringLiteral("都道府県"));
    QComboBox* shi = MakeList(L::KansokuShi);
    shi->setPlaceholderText(QStringLiteral("市町村選択"));
    shi->setMinimumContentsLength(9);
    shi->setAccessibleName(QStringLiteral("市町村"));
    auto* placeRow = new QHBoxLayout;
    placeRow->addWidget(ken);
    placeRow->addWidget(shi);
    placeRow->addStretch();
    si->addLayout(placeRow, 0, 0);
    auto* siteLabel = new QLabel(QStringLiteral("市役所・町村役場の所在地"), site);
    siteLabel->setObjectName(QStringLiteral("LabelShozaichi"));
    si->addWidget(siteLabel, 1, 0);
    auto* dateRow = new QHBoxLayout;
    dateRow->setSpacing(2);
    const std::pair<ListKey, QString> dateParts[] = {
        {L::Year, QStringLiteral("年")}, {L::Month, QStringLiteral("月")}, {L::Day, QStringLiteral("日")},
        {L::Hour, QStringLiteral("時")}, {L::Minute, QStringLiteral("分")}};
    for (const auto& [key, unit] : dateParts) {
        QComboBox* part = MakeList(key);
        part->setAccessibleName(unit);
        dateRow->addWidget(part);
        auto* unitLabel = new QLabel(unit, site);
        unitLabel->setBuddy(part);
        dateRow->addWidget(unitLabel);
        dateRow->addSpacing(4);
    }
    dateRow->addStretch();
    si->addLayout(dateRow, 2, 0);

    // 星座: figures, names, great triangles.
    QGroupBox* figures = Frame("FrameSeiza", QStringLiteral("星座"), panel);
    auto* fi = new QGridLayout(figures);
    fi->addWidget(MakeCheck(S::Fsen, QStringLiteral("星座線")), 0, 0);
    fi->addWidget(MakeCheck(S::Fmei, QStringLiteral("星座名")), 1, 0);
    fi->addWidget(MakeCheck(S::Fdaisan, QStringLiteral("大三角")), 2, 0);
    AddCaptionedList(fi, QStringLiteral("線幅"), MakeList(L::Swidth), 0, 1);
    AddCaptionedList(fi, QStringLiteral("文字ｻｲｽﾞ"), MakeList(L::NmFntSize), 1, 1);
    fi->setColumnStretch(3, 1);

    // その他: altitude and azimuth lines, Milky Way.
    QGroupBox* other = Frame("FrameSonota", QStringLiteral("その他"), panel);
    auto* ot = new QGridLayout(other);
    ot->addWidget(MakeCheck(S::Fkodo, QStringLiteral("高度線")), 0, 0);
    ot->addWidget(MakeCheck(S::Fhoi, QStringLiteral("方位線")), 1, 0);
    ot->addWidget(MakeCheck(S::Fmilky, QStringLiteral("天の川")), 2, 0);
    AddCaptionedList(ot, QStringLiteral("線幅"), MakeList(L::Lwidth), 0, 1);
    AddCaptionedList(ot, QStringLiteral("点幅"), MakeList(L::Mwidth), 2, 1);
    ot->setColumnStretch(3, 1);

    // 惑星.
    QGroupBox* planets = Frame("FrameWakusei", QStringLiteral("惑星"), panel);
    auto* pl = new QGridLayout(planets);
    pl->addWidget(MakeCheck(S::Fkinse, QStringLiteral("金星")), 0, 0);
    pl->addWidget(MakeCheck(S::Fkase, QStringLiteral("火星")), 0, 1);
    pl->addWidget(MakeCheck(S::Fmokuse, QStringLiteral("木星")), 1, 0);
    pl->addWidget(MakeCheck(S::Fdose, QStringLiteral("土星")), 1, 1);
    AddCaptionedList(pl, QStringLiteral("線幅"), MakeList(L::Pwidth), 2, 0);
    pl->setColumnStretch(2, 1);

    // 月: the switch has no caption of its own; the frame names it.
    QGroupBox* moon = Frame("FrameTsuki", QStringLiteral("月"), panel);
    auto* mo = new QGridLayout(moon);
    QCheckBox* moonCheck = MakeCheck(S::Fmoon, QString());
    moonCheck->setAccessibleName(QStringLiteral("月"));
    mo->addWidget(moonCheck, 0, 0);
    mo->setColumnMinimumWidth(1, 24);
    AddCaptionedList(mo, QStringLiteral("大きさ"), MakeList(L::MoonR), 0, 2);
    AddCaptionedList(mo, QStringLiteral("線幅"), MakeList(L::MoonWidth), 1, 2);
    mo->setColumnStretch(4, 1);

    // 天文成象: the Edo-period figure set.
    QGroupBox* edo = Frame("FrameTenmon", QStringLiteral("天文成象"), panel);
    auto* ed = new QHBoxLayout(edo);
    ed->addWidget(MakeCheck(S::Fedo, QStringLiteral("天文成象")));
    auto* edoNote = new QLabel(QStringLiteral("江戸時代の星座で描きます（試作版）"), edo);
    edoNote->setObjectName(QStringLiteral("LabelEdo"));
    ed->addWidget(edoNote, 1);

    grid->addWidget(general, 0, 0);
    grid->addWidget(stars, 0, 1);
    grid->addWidget(site, 1, 0, 1, 2);
    grid->addWidget(figures, 2, 0);
    grid->addWidget(other, 2, 1);
    grid->addWidget(planets, 3, 0);
    grid->addWidget(moon, 3, 1);
    grid->addWidget(edo, 4, 0, 1, 2);
    grid->addWidget(BuildColourFrame(), 5, 0, 1, 2);
    grid->setRowStretch(6, 1);

    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("ControlPanel"));
    scroll->setWidget(panel);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setFixedWidth(panel->sizeHint().width() + 18);
    return scroll;
}

QGroupBox* MainWindow::BuildColourFrame()
{
    QGroupBox* frame = Frame("FrameIro", QStringLiteral("色の指定"), this);
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(0);
    QFont swatchFont = font();
    swatchFont.setPointSize(swatchFont.pointSize() + 3);

    constexpr int customColumn = 7;
    int row = 0;
    for (const ColourGroup& model : doc_->controls.colours) {
        const ColourKey key = model.key;
        ColourButtons& b = colourButtons_[Index(key)];
        b.group = new QButtonGroup(frame);
        b.group->setObjectName(QStringLiteral("Group") + QLatin1String(ColourKeyNames[Index(key)]));
        grid->addWidget(new QLabel(QString::fromUtf8(model.caption), frame), row, 0);

        auto makeOption = [&](const char* name, const QString& text, int id, int column) {
            auto* option = new QRadioButton(text, frame);
            option->setObjectName(QLatin1String(name));
            option->setFont(swatchFont);
            b.group->addButton(option, id);
            grid->addWidget(option, row, column);
            return option;
        };
        // Every swatch reads "■": its colour's name is what a screen reader says and the tooltip shows.
        auto name = [&](QRadioButton* option, const QString& word) {
            option->setAccessibleName(word);
            option->setAccessibleDescription(QString::fromUtf8(model.caption) + QStringLiteral("の色"));
            option->setToolTip(QString::fromUtf8(model.caption) + QStringLiteral("：") + word);
        };
        for (std::size_t i = 0; i < model.presets.size(); ++i) {
            QRadioButton* option = makeOption(model.presets[i].name, Swatch, static_cast<int>(i), static_cast<int>(i) + 1);
            PaintSwatch(option, ToQColor(model.presets[i].swatch));
            name(option, SwatchName(model.presets[i].swatch));
            b.presets.push_back(option);
        }
        if (model.hasSpectral) {
            b.spectral = makeOption("OptionK_spectl", QStringLiteral("型"), ColourGroup::SpectralSelected, customColumn - 1);
            b.spectral->setFont(font());
            name(b.spectral, QStringLiteral("スペクトル型"));
        }
        b.custom = makeOption(model.customName, Swatch, ColourGroup::CustomSelected, customColumn);
        name(b.custom, CustomColourName);
        b.custom->setToolTip(b.custom->toolTip() + QStringLiteral("（色を選ぶ画面を開きます）"));
        connect(b.group, &QButtonGroup::idClicked, this, [this, key](int id) { OnColourOptionClicked(key, id); });
        ++row;
    }

    // What the captions mean.
    auto* legend = new QHBoxLayout;
    auto* grey = new QLabel(Swatch, frame);
    grey->setObjectName(QStringLiteral("LabelUsrSwatch"));
    grey->setFont(swatchFont);
    QPalette pal = grey->palette();
    pal.setColor(QPalette::WindowText, palette().color(QPalette::Dark));
    grey->setPalette(pal);
    auto* custom = new QLabel(QStringLiteral(":任意色"), frame);
    custom->setObjectName(QStringLiteral("LabelUsr"));
    auto* spectral = new QLabel(QStringLiteral("型:ｽﾍﾟｸﾄﾙ型"), frame);
    spectral->setObjectName(QStringLiteral("LabelSpectl"));
    legend->addStretch();
    legend->addWidget(grey);
    legend->addWidget(custom);
    legend->addSpacing(16);
    legend->addWidget(spectral);
    grid->addLayout(legend, row, 0, 1, customColumn + 1);
    grid->setColumnStretch(customColumn + 1, 1);
    return frame;
}

} // namespace orv
