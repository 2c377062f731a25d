// The window's controls built and connected, in their stacking and focus order;
// what each one is (name, tip, font, colour, place) comes from ClientControls.

#include "accessibility.h"
#include "assignment_list.h"
#include "client_controls.h"
#include "code_page_validator.h"
#include "config/assignment.h"
#include "focus_ring.h"
#include "form1.h"
#include "item_marks.h"
#include "light_scheme.h"
#include "panel/panel_link.h"
#include "panel/panel_transfer.h"
#include "picture_decoder.h"
#include "twips.h"
#include "window_fonts.h"
#include "wrapping_buttons.h"

#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

using assignment::item;
using windowfonts::Role;

using C = ClientControls;

void Form1::buildControls()
{
    windowfonts::substituteMissingFamilies();
    installAccessibleInterfaces();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("TRV QLM 10 BUTTON SWITCH PANEL CONFIGURATION PROGRAM"));
    setFixedSize(twips(9210), twips(8895));
    setFont(windowfonts::font(Role::Window));
    // The design's colours, and the system colours it names, belong to the
    // standard light scheme; under a dark desktop theme its blue, green and
    // dark-red texts would stand on dark grounds. The window keeps the light
    // scheme whatever the theme.
    setPalette(lightScheme());

    // Stacking follows creation order: the picture at the bottom, then labels,
    // lines and the marker, then every interactive control.
    QLabel *image = C::picture(this);
    PictureDecoder picture(image->devicePixelRatioF());
    buildLabels();
    // The lighting view is hidden at start: the program's window builds its
    // controls once its first frame is out (buildLightingView).
    const int built = s_lightingViewLate ? kFirstLightingItem : assignment::kItemCount;
    // The lists measure no text until they are shown, and are made while the
    // system's fonts are read; then the first text is measured, in the boxes.
    buildItemLists(0, built);
    m_fontList.wait();
    buildDesignationBoxes(0, built);
    m_status = std::make_unique<StatusBox>(this);
    buildPanelName();
    buildViewOptions();
    buildCommandButtons();

    m_link = new PanelLink(this); // the serial link, with its Timer1
    m_transfer = new PanelTransfer(*m_link, this);

    m_port = std::make_unique<PortChooser>(this); // Label15 and Combo1

    new FocusRing(this);

    applyFocusOrder();
    focusOrder().first()->setFocus(); // the first control of the order takes the focus
    sizeLabels();
    image->setPixmap(QPixmap::fromImage(picture.take()));
}

// The heading, the captions and the labels of the ten positions.
void Form1::buildLabels()
{
    const QColor highlightedText = palette().color(QPalette::HighlightedText);
    const QColor buttonText = palette().color(QPalette::ButtonText);
    QLabel *heading = C::label(this, QStringLiteral("Label1"),
                               tr("TRV 6/10 BUTTON SWITCH PANEL CONFIGURATION PROGRAM"),
                               twipsRect(1680, 240, 5865, 660));
    heading->setFont(windowfonts::font(Role::Heading));
    C::setTextColor(heading, QPalette::WindowText, C::kHeadingText);
    heading->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    heading->setWordWrap(true);
    m_heading = heading;

    QLabel *panelNameCaption = C::label(this, QStringLiteral("Label6"), tr("PANEL NAME"),
                                        twipsRect(6360, 1440, 1695, 255));
    panelNameCaption->setAlignment(Qt::AlignCenter);
    C::setTextColor(panelNameCaption, QPalette::WindowText, buttonText);

    QLabel *markerCaption =
        C::label(this, QStringLiteral("Label7"), tr("PROGRAMMING HEADER LOCATION"),
                 twipsRect(1800, 8640, 4575, 375));
    C::setTextColor(markerCaption, QPalette::WindowText, buttonText);

    static const int positionLabelNumbers[10] = {2, 3, 4, 5, 8, 9, 10, 11, 12, 13};
    for (int p = 0; p < 10; ++p) {
        QLabel *l = C::label(
            this, QStringLiteral("Label%1").arg(positionLabelNumbers[p]), item(p).name(),
            QRect(twipsPoint(panelgeometry::labelLeft(p), panelgeometry::labelTop(p)), QSize()));
        C::setTextColor(l, QPalette::WindowText, highlightedText);
        m_positionLabels[p] = l;
    }
    m_backlightingLabel = C::label(this, QStringLiteral("Label14"), tr("BACKLIGHTING"),
                                   twipsRect(2040, 8040, 1455, 255));
    m_backlightingLabel->setAlignment(Qt::AlignCenter);
    C::setTextColor(m_backlightingLabel, QPalette::WindowText, highlightedText);
}

// The heading and the position labels take the size of their texts, which needs
// their fonts.
void Form1::sizeLabels()
{
    m_heading->resize(m_heading->width(), m_heading->heightForWidth(m_heading->width()));
    for (QLabel *l : m_positionLabels)
        l->adjustSize();
}

// The lists of items `first` to `end` - 1, stacked under `next` when given.
void Form1::buildItemLists(int first, int end, QWidget *next)
{
    const QFont listFont = windowfonts::font(Role::Entry);
    for (int i = first; i < end; ++i) {
        for (const bool module : {true, false}) {
            const int number = module ? item(i).moduleList : item(i).channelList;
            AssignmentList *l = C::itemList(this, item(i), module, listFont, next);
            connect(l, &QListWidget::itemSelectionChanged, this, [this, number] {
                const bool boxShown = m_boxesShown[assignment::itemOfList(number)];
                if (assignment::isModuleList(number))
                    ModuleList_Click(number);
                else
                    ChannelList_Click(number);
                takeListChoice(number, boxShown);
            });
            m_lists[number] = l;
        }
    }
}

// The designation boxes of items `first` to `end` - 1, made after their lists:
// each box is stacked under its item's lists, where it would be had the controls
// been made item by item (before it has its place, so that a window on the screen
// repaints nothing).
void Form1::buildDesignationBoxes(int first, int end)
{
    const QFont designationFont = windowfonts::font(Role::Window);
    for (int i = first; i < end; ++i) {
        const assignment::Item &it = item(i);
        if (!it.designationBox)
            continue;
        // The box shows the model's designation once the window is built.
        QLineEdit *box = C::designationBox(this, it, designationFont, m_lists[it.moduleList]);
        connect(box, &QLineEdit::textChanged, this,
                [this, n = it.designationBox] { takeTypedText(n); });
        m_textBoxes[it.designationBox] = box;
    }
}

// The controls of the lighting view, built after the window's first frame (or
// when one of them is first needed) as they would have been with the others: in
// the stacking order and the focus order, hidden as the switch view leaves them,
// showing the model, markable.
void Form1::buildLightingView()
{
    if (m_lists[item(kFirstLightingItem).moduleList])
        return;
    // Under the first control made after the items at start.
    buildItemLists(kFirstLightingItem, assignment::kItemCount, m_status->widget());
    buildDesignationBoxes(kFirstLightingItem, assignment::kItemCount);
    for (int i = kFirstLightingItem; i < assignment::kItemCount; ++i) {
        const assignment::Item &it = item(i);
        for (QWidget *w : {static_cast<QWidget *>(m_textBoxes[it.designationBox]),
                           static_cast<QWidget *>(m_lists[it.moduleList]),
                           static_cast<QWidget *>(m_lists[it.channelList])}) {
            if (w)
                w->hide();
        }
        m_marks->addLists(i, {m_lists[it.moduleList], m_lists[it.channelList]});
    }
    applyFocusOrder();
    for (int i = kFirstLightingItem; i < assignment::kItemCount; ++i)
        showModelItem(i);
}

// The panel name box.
void Form1::buildPanelName()
{
    auto *panelName = new QLineEdit(this);
    C::name(panelName, QStringLiteral("Text2"), tr("PANEL NAME"));
    panelName->setToolTip(tr("ENTER IDENTITY FOR FILE NAME"));
    panelName->setFont(windowfonts::font(Role::Entry));
    panelName->setAlignment(Qt::AlignCenter);
    panelName->setMaxLength(qcf::kPanelNameLength);
    panelName->setValidator(new CodePageValidator(panelName));
    panelName->setGeometry(twipsRect(6360, 1680, 1695, 285));
    findChild<QLabel *>(QStringLiteral("Label6"))->setBuddy(panelName);
    connect(panelName, &QLineEdit::textChanged, this, [this] { takeTypedText(2); });
    m_textBoxes[2] = panelName;
}

// The two option buttons that choose the view.
void Form1::buildViewOptions()
{
    m_option1 = new WrappingRadioButton(tr("SWITCH CHANNEL ASSIGNMENTS"), this);
    C::name(m_option1, QStringLiteral("Option1"));
    C::setTextColor(m_option1, QPalette::WindowText, C::kSwitchText);
    m_option1->setGeometry(twipsRect(6000, 2280, 2415, 495));
    m_option1->setChecked(true);
    m_option2 = new WrappingRadioButton(tr("LIGHTING CHANNEL ASSIGNMENTS"), this);
    C::name(m_option2, QStringLiteral("Option2"));
    C::setTextColor(m_option2, QPalette::WindowText, C::kLightingText);
    m_option2->setGeometry(twipsRect(6000, 2760, 2415, 495));
    connect(m_option1, &QRadioButton::clicked, this, &Form1::Option1_Click);
    connect(m_option2, &QRadioButton::clicked, this, &Form1::Option2_Click);
}

// The command buttons READ_FILE, WRITE_FILE, READ_CONFIG and WRITE_CONFIG.
void Form1::buildCommandButtons()
{
    struct ButtonDef {
        const char *name, *caption, *tip;
        int top;
        void (Form1::*handler)();
    };
    static const ButtonDef buttons[4] = {
        {"READ_FILE", QT_TR_NOOP("OPEN CONFIGURATION FILE"),
         QT_TR_NOOP("LEFT CLICK TO OPEN CONFIG FILE"), 3480, &Form1::READ_FILE_Click},
        {"WRITE_FILE", QT_TR_NOOP("SAVE CONFIGURATION FILE"),
         QT_TR_NOOP("LEFT CLICK TO SAVE CONFIG FILE"), 4560, &Form1::WRITE_FILE_Click},
        {"READ_CONFIG", QT_TR_NOOP("READ CONFIGURATION FROM SWITCH PANEL"),
         QT_TR_NOOP("LEFT CLICK TO READ CONFIG IN SWITCH PANEL"), 5640, &Form1::READ_CONFIG_Click},
        {"WRITE_CONFIG", QT_TR_NOOP("WRITE CONFIGURATION TO SWITCH PANEL"),
         QT_TR_NOOP("LEFT CLICK TO SAVE CONFIG IN SWITCH PANEL"), 6720, &Form1::WRITE_CONFIG_Click},
    };
    const QFont buttonFont = windowfonts::font(Role::Button);
    for (int b = 0; b < 4; ++b) {
        const QString caption = tr(buttons[b].caption);
        auto *button = new WrappingPushButton(caption, this);
        C::name(button, QString::fromLatin1(buttons[b].name));
        button->setToolTip(tr(buttons[b].tip));
        button->setFont(buttonFont);
        button->setGeometry(twipsRect(6000, buttons[b].top, 2415, 855));
        connect(button, &QPushButton::clicked, this, buttons[b].handler);
        m_commandButtons[b] = button;
    }
}

// The keyboard focus order; the first control takes the focus at start. Controls
// not built yet are left out.
QList<QWidget *> Form1::focusOrder() const
{
    QList<QWidget *> order = {m_commandButtons[3], m_commandButtons[0], m_commandButtons[1]};
    for (int n : {2, 4, 8, 10, 12, 14, 6, 16, 18, 20, 1, 11, 9, 7, 5, 3, 13, 19, 17, 15})
        order << m_lists[n];
    order << m_status->widget();
    for (int n = 2; n <= 12; ++n)
        order << m_textBoxes[n];
    order << m_option1 << m_option2;
    for (int n = 13; n <= 22; ++n)
        order << m_textBoxes[n];
    order << m_lists[21] << m_lists[22] << m_commandButtons[2] << m_lists[24] << m_lists[23]
          << m_lists[26] << m_lists[25];
    for (int n = 27; n <= 42; ++n)
        order << m_lists[n];
    order << m_port->comboBox();
    order.removeAll(nullptr);
    return order;
}

void Form1::applyFocusOrder()
{
    const QList<QWidget *> order = focusOrder();
    for (int i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
}

// Each item is markable around the place of its designation box and its two
// lists.
void Form1::buildItemMarks()
{
    m_marks = new ItemMarks(this);
    for (int i = 0; i < assignment::kItemCount; ++i) {
        const C::ItemPlaces places = C::itemPlaces(item(i));
        QRect place = places.module | places.channel;
        if (places.box.isValid())
            place |= places.box;
        QList<QWidget *> lists;
        if (m_lists[item(i).moduleList])
            lists = {m_lists[item(i).moduleList], m_lists[item(i).channelList]};
        m_marks->addItem(i, lists, place); // the lighting view's lists may come later
    }
}
