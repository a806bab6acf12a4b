// The main window as it opens: every control with its place, words and look, laid out from rows.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "display/scale_tables.h"
#include "ui/colour_pairs.h"
#include "ui/cosmos_texts.h"
#include "ui/form_orbit.h"
#include "ui/version.h"

namespace zephra {

namespace {

using toolkit::Color;
using toolkit::Control;
using toolkit::ControlKind;
using toolkit::FontKind;
using toolkit::rgb;

// One control: where it sits (twips, inside its container), what it says (caption, or text for a text
// box), its tooltip and whether it starts hidden; then, where it differs from its kind's look, its colours,
// face and the like. A line's box runs from its first end to its second.
struct Row {
    Control* control;
    std::string_view name;
    int index;
    Control* container;
    int left, top, width, height;
    std::string_view text = {};
    std::string_view tip = {};
    bool hidden = false;

    std::optional<Color> foreColor = {}, backColor = {};
    std::optional<FontKind> face = {};
    bool centred = false, transparent = false, borderless = false;

    Row& fore(Color c) { return foreColor = c, *this; }
    Row& back(Color c) { return backColor = c, *this; }
    Row& colours(Color f, Color b) { return fore(f).back(b); }
    Row& font(FontKind f) { return face = f, *this; }
    Row& centre() { return centred = true, *this; }
    Row& seeThrough() { return transparent = true, *this; }
    Row& noBorder() { return borderless = true, *this; }
};

constexpr bool kHidden = true;

// The window's own look for each kind of control on its black background.
constexpr Color kCaptionFore = rgb(192, 192, 192);
constexpr Color kFrameFore = rgb(160, 160, 160);
constexpr Color kButtonFace = rgb(192, 192, 192);
constexpr Color kScenarioFace = rgb(224, 192, 128);
constexpr Color kPauseFace = rgb(176, 128, 64);  // also the scenario buttons' resting colour after a load
constexpr Color kOrange = rgb(255, 128, 0);
constexpr Color kYellow = rgb(255, 255, 0);
constexpr Color kPanelBack = kChosenScaleBack;  // the physics panel shares the chosen scale's brown

void giveKindLook(Control& c) {
    switch (c.kind()) {
        case ControlKind::TextBox:
            c.setForeColor(kPlainFore);
            c.setBackColor(kPlainBack);
            c.setFont(FontKind::Numeric);
            break;
        case ControlKind::CommandButton:
            c.setForeColor(toolkit::kBlack);
            c.setBackColor(kButtonFace);
            break;
        case ControlKind::Frame:
            c.setForeColor(kFrameFore);
            c.setBackColor(toolkit::kBlack);
            break;
        case ControlKind::Line:
        case ControlKind::Shape:
        case ControlKind::Image:
        case ControlKind::HScrollBar:
            break;
        default:
            c.setForeColor(kCaptionFore);
            c.setBackColor(toolkit::kBlack);
            break;
    }
}

void place(toolkit::Form& form, const Row& r) {
    Control& c = *r.control;
    form.add(c, r.name, r.index);
    c.setContainer(r.container);
    c.setBounds(r.left, r.top, r.width, r.height);
    giveKindLook(c);
    // Members of a coloured frame share its background.
    if (r.container != nullptr && r.container->kind() == ControlKind::Frame &&
        r.container->backColor() != toolkit::kBlack)
        c.setBackColor(r.container->backColor());
    if (r.foreColor) c.setForeColor(*r.foreColor);
    if (r.backColor) c.setBackColor(*r.backColor);
    if (r.face) c.setFont(*r.face);
    switch (c.kind()) {
        case ControlKind::TextBox:
            static_cast<TextBox&>(c).initText(r.text);
            break;
        case ControlKind::Label:
            c.setCaption(r.text);
            if (r.centred) static_cast<Label&>(c).setAlignment(toolkit::Alignment::Center);
            static_cast<Label&>(c).setTransparent(r.transparent);
            break;
        case ControlKind::Frame:
            c.setCaption(r.text);
            static_cast<Frame&>(c).setBordered(!r.borderless);
            break;
        case ControlKind::Line:
            static_cast<Line&>(c).setEnds(r.left, r.top, r.left + r.width, r.top + r.height);
            break;
        default:
            c.setCaption(r.text);
            break;
    }
    c.setToolTip(r.tip);
    c.setVisible(!r.hidden);
}

}  // namespace

void FormOrbit::layOutControls() {
    std::vector<Row> rows;
    auto row = [&rows](Row r) -> Row& { return rows.emplace_back(r); };

    // ---- Top-left corner ----
    row({&Command1, "Command1", -1, nullptr, 45, 45, 375, 375, "X"}).back(kOrange);
    row({&Command2, "Command2", -1, nullptr, 480, 120, 480, 270, "Go", {}, kHidden}).back(kYellow);
    row({&Command5, "Command5", -1, nullptr, 960, 45, 840, 375, "Pause", {}, kHidden}).back(kPauseFace);
    row({&Command4, "Command4", -1, nullptr, 1980, 480, 690, 360, "Clear", "Clear Screen", kHidden});
    row({&Label1, "Label1", -1, nullptr, 45, 405, 1980, 255, "Zephra version " ZEPHRA_VERSION});
    row({&CDrepair, "CDrepair", -1, nullptr, 45, 660, 375, 375, "o",
         "Repair orbit line. (The circumference of the body inadvertantly damages the pixels of the orbit. "
         "This is "
         "purely cosmetic)"});
    row({&CHac, "CHac", -1, nullptr, 480, 630, 1455, 205, " Auto clear screen",
         "Auto Clear orbit lines after each orbit", kHidden});
    row({&TXran, "TXran", -1, nullptr, 0, 660, 615, 255, "33333", "Randomizer Seed", kHidden});
    row({&CHran, "CHran", -1, nullptr, 0, 960, 855, 255, "Random",
         "Freeze Seed for Predetermined Planetary Data", kHidden});
    row({&Label7, "Label7", -1, nullptr, 360, 840, 1665, 195, "Select System ->"}).fore(kYellow);
    row({&Command3, "Command3", -1, nullptr, 45, 1140, 1995, 360, "www Help",
         "^ Go online to find out how this software works ^"});

    // ---- Drawing area ----
    row({&ImMoon, "ImMoon", -1, nullptr, 2760, 1080, 9750, 6600});
    row({&ImSun, "ImSun", -1, nullptr, 7800, 6240, 300, 300, {}, {}, kHidden});
    row({&Shark, "Shark", -1, nullptr, 11880, 5280, 225, 225, {}, {}, kHidden});
    row({&LaChirp[0], "LaChirp", 0, nullptr, 2760, 450, 9750, 900,
         "Select Solar System option from the numbers on the left to begin. Optimal screen size 1024 x 768 - "
         "Hover "
         "mouse over stuff for quick help. ",
         "Click to clear this off the screen"})
        .centre()
        .seeThrough();
    row({&TXora, "TXora", -1, nullptr, 8520, 7680, 1575, 285, {}, {}, kHidden}).back(kOrange);
    row({&TXblue, "TXblue", -1, nullptr, 8520, 6960, 1575, 285, {}, {}, kHidden}).back(rgb(128, 128, 255));
    row({&TXgreen, "TXgreen", -1, nullptr, 8520, 8040, 1575, 285, {}, {}, kHidden}).back(rgb(128, 255, 128));
    row({&TXwhite, "TXwhite", -1, nullptr, 8520, 7320, 1575, 285, {}, {}, kHidden}).back(kButtonFace);
    row({&TXn, "TXn", -1, nullptr, 10320, 7800, 450, 285, "2", "Total Planets", kHidden})
        .fore(rgb(192, 192, 192));  // the marker's colour for type 4
    row({&TXg[0], "TXg", 0, nullptr, 10800, 7560, 450, 285, "400", "Sol Gravity", kHidden});
    row({&TXg[1], "TXg", 1, nullptr, 10680, 8160, 450, 285, "3", "Gravity of largest Planet", kHidden});
    row({&TXw[0], "TXw", 0, nullptr, 10320, 8160, 450, 285, "1", "Jupiter Factor", kHidden});
    row({&TXw[1], "TXw", 1, nullptr, 10320, 7560, 450, 285, "2", "Waterworld Factor", kHidden});
    row({&La[15], "La", 15, nullptr, 11640, 7320, 855, 180, "Gravity 1", {}, kHidden});
    row({&Frame5, "Frame5", -1, nullptr, 10440, 7200, 2055, 255, {}, {}, kHidden});
    row({&OptBodies[0], "OptBodies", 0, &Frame5, 0, 0, 700, 255, "Alone", "Binary pair only"});
    row({&OptBodies[1], "OptBodies", 1, &Frame5, 700, 0, 800, 255, "Bodies",
         "Add smaller bodies to the system (just because I can)"});
    row({&TXminors, "TXminors", -1, &Frame5, 1500, 0, 555, 255, "10", "Minor bodies"});

    // ---- Scenario buttons: 1..17 down the left edge, 18..37 along the bottom ----
    row({&CDp[0], "CDp", 0, nullptr, 2640, 7920, 480, 480, "?", "Perfect Binary", kHidden})
        .back(kScenarioFace)
        .font(FontKind::Scenario);
    static const std::vector<std::string> numbers = [] {
        std::vector<std::string> n;
        for (int i = 0; i < decltype(CDp)::kSize; ++i) n.push_back(std::to_string(i));
        return n;
    }();
    for (int n = 1; n < CDp.kSize; ++n) {
        const bool leftEdge = n <= 17;
        row({&CDp[n],
             "CDp",
             n,
             nullptr,
             leftEdge ? 2100 : 2580 + 480 * (n - 18),
             leftEdge ? 840 + 480 * (n - 1) : 8520,
             480,
             480,
             numbers[static_cast<std::size_t>(n)],
             {},
             n > 33})
            .back(kScenarioFace)
            .font(FontKind::Scenario);
    }

    // ---- Left column: body data, display options, orbit data ----
    row({&FrameRing, "FrameRing", -1, nullptr, 0, 1560, 2055, 4635, "Body Data", {}, kHidden});
    row({&Label5[0], "Label5", 0, &FrameRing, 60, 200, 1935, 180, "Velocity as Light (C)"});
    row({&Label5[5], "Label5", 5, &FrameRing, 60, 860, 1935, 180, "Solar Mass"});
    row({&La[1], "La", 1, &FrameRing, 60, 1520, 1935, 180, "Radius km"});
    for (int b = 1; b <= 2; ++b) {
        const int down = (b - 1) * 230;
        row({&LabWH[b - 1], "LabWH", b - 1, &FrameRing, 60, 390 + down, 200, 200, b == 1 ? "1" : "2"});
        row({&TXvolight[b], "TXvolight", b, &FrameRing, 280, 380 + down, 1715, 220, "0"});
        row({&LabWH[b + 1], "LabWH", b + 1, &FrameRing, 60, 1050 + down, 200, 200, b == 1 ? "1" : "2"});
        row({&TXmass[b], "TXmass", b, &FrameRing, 280, 1040 + down, 1715, 220, "0"});
        row({&LabWH[b + 3], "LabWH", b + 3, &FrameRing, 60, 1710 + down, 200, 200, b == 1 ? "1" : "2"});
        row({&TXrad[b], "TXrad", b, &FrameRing, 280, 1700 + down, 1715, 220, "0"});
    }
    row({&ChspinD, "ChspinD", -1, &FrameRing, 60, 2180, 900, 200, "Spin Data",
         "Rotations data is not accurate nor relevent in Zephra"});
    row({&Chdetails, "Chdetails", -1, &FrameRing, 1000, 2180, 995, 200, "Details",
         "Tick this to pop up other details"});
    // The spin rows, shown by "Spin Data": a heading, then the row number and the box of each body.
    row({&Label5[6], "Label5", 6, &FrameRing, 60, 2420, 1935, 180, "Axis Spin in Radians", {}, kHidden});
    row({&Label5[11], "Label5", 11, &FrameRing, 60, 2610, 200, 200, "1", {}, kHidden});
    row({&TXspin[1], "TXspin", 1, &FrameRing, 280, 2600, 1715, 220, "0", "Axis Spin in Radians", kHidden});
    row({&Label5[12], "Label5", 12, &FrameRing, 60, 2840, 200, 200, "2", {}, kHidden});
    row({&TXspin[2], "TXspin", 2, &FrameRing, 280, 2830, 1715, 220, "0", "Axis Spin in Radians", kHidden});
    row({&Label5[2], "Label5", 2, &FrameRing, 60, 3080, 1935, 180, "Axis Spin as C", {}, kHidden});
    row({&Label5[3], "Label5", 3, &FrameRing, 60, 3270, 200, 200, "1", {}, kHidden});
    row({&TXspinC[1], "TXspinC", 1, &FrameRing, 280, 3260, 1715, 220, "0", "Axis Spin as C", kHidden});
    row({&Label5[4], "Label5", 4, &FrameRing, 60, 3500, 200, 200, "2", {}, kHidden});
    row({&TXspinC[2], "TXspinC", 2, &FrameRing, 280, 3490, 1715, 220, "0", "Axis Spin as C", kHidden});
    row({&Label5[13], "Label5", 13, &FrameRing, 60, 3740, 1935, 180, "Edge Velocity as C", {}, kHidden});
    row({&Label5[15], "Label5", 15, &FrameRing, 60, 3930, 200, 200, "1", {}, kHidden});
    row({&TXspinT[1], "TXspinT", 1, &FrameRing, 280, 3920, 1715, 220, "0", "Edge Velocity as C", kHidden});
    row({&Label5[14], "Label5", 14, &FrameRing, 60, 4160, 200, 200, "2", {}, kHidden});
    row({&TXspinT[2], "TXspinT", 2, &FrameRing, 280, 4150, 1715, 220, "0", "Edge Velocity as C", kHidden});
    row({&LaPush, "LaPush", -1, &FrameRing, 60, 4400, 1935, 180, {}, {}, kHidden});

    row({&Frame4, "Frame4", -1, nullptr, 0, 6120, 2055, 1755, {}, {}, kHidden});
    row({&La[3], "La", 3, &Frame4, 60, 60, 1320, 360, "No. of points on body's horizon"});
    row({&Text3, "Text3", -1, &Frame4, 1440, 60, 555, 220, "12", "Surface points"});
    row({&Text6, "Text6", -1, &Frame4, 1440, 300, 555, 220, "1", "Surface Depth Points"});
    row({&Chboo, "Chboo", -1, &Frame4, 60, 440, 1320, 200, "Horizon",
         "Display the circumference of the bodies / or just the orbit line", kHidden});
    row({&Chauto, "Chauto", -1, &Frame4, 60, 660, 1320, 200, "Auto",
         "Automatic display of the circumference of the bodies / or just the orbit line"});
    row({&Chend, "Chend", -1, &Frame4, 60, 880, 1935, 200, "Expand screen",
         "If the object leaves the edge of the visible screen then the screen scales outwards."});
    row({&ChHit, "ChHit", -1, &Frame4, 60, 1100, 1935, 200, "Gaseous interaction",
         "Objects may pass through each other or slightly resist each other."});
    row({&ChOrbit, "ChOrbit", -1, &Frame4, 60, 1320, 1935, 200, "Pause after each orbit"});
    row({&TXw[2], "TXw", 2, &Frame4, 60, 1520, 555, 220, "2", "Planetoid Factor"})
        .fore(rgb(128, 255, 128));  // the marker's colour for type 3
    row({&TXg[2], "TXg", 2, &Frame4, 660, 1520, 555, 220, "2", "g=m/r^[?]  Normally the ? = 2", kHidden});
    row({&TXschwarz, "TXschwarz", -1, &Frame4, 1440, 540, 555, 220, "2.94",
         "Schwarzchild radius: Km radius per solar mass if mass >2.6 solar masses.", kHidden});
    row({&Text1, "Text1", -1, &Frame4, 1440, 780, 555, 220, "75", "Radius for each of the minor binary pair",
         kHidden});
    row({&Text4, "Text4", -1, &Frame4, 1440, 1020, 555, 220, "1",
         "Crust Volatility (Crust size = Radius - Core) When planets are in partial collision, the exchange "
         "of matter "
         "is in effect as a random variable. (Visible explosions)",
         kHidden});
    row({&Text5, "Text5", -1, &Frame4, 1440, 1260, 555, 220, "230",
         "Radius for each of the major binary pair", kHidden});
    row({&La[2], "La", 2, &Frame4, 1260, 1540, 735, 180, "Minor Radius", {}, kHidden});
    row({&La[4], "La", 4, &Frame4, 60, 1540, 735, 180, "Crust", {}, kHidden});
    row({&La[6], "La", 6, &Frame4, 660, 1540, 735, 180, "Major Radius", {}, kHidden});
    row({&La[17], "La", 17, &Frame4, 1260, 300, 135, 180, "g", {}, kHidden});
    row({&Label5[7], "Label5", 7, &Frame4, 1260, 780, 135, 180, "m", {}, kHidden});
    row({&Label5[8], "Label5", 8, &Frame4, 1260, 1260, 135, 180, "M", {}, kHidden});

    row({&Fra12, "Fra12", -1, nullptr, 0, 7920, 2055, 3135, "Orbit Data"});
    row({&Lablap, "Lablap", -1, &Fra12, 60, 210, 700, 180, "Orbit #"});
    row({&TXlaps, "TXlaps", -1, &Fra12, 780, 190, 1000, 220, "0"});
    row({&LaQuart, "LaQuart", -1, &Fra12, 1860, 190, 120, 200, {}, "Quarter orbit indicator"});
    row({&Label5[1], "Label5", 1, &Fra12, 60, 440, 700, 180, "Calcs"});
    row({&TXiterations, "TXiterations", -1, &Fra12, 780, 420, 1215, 220, "0"});
    row({&Label5[9], "Label5", 9, &Fra12, 60, 670, 700, 180, "Calcs/ orbit"});
    row({&TXcalorb, "TXcalorb", -1, &Fra12, 780, 650, 1215, 220, "0",
         "Calculations per orbit - greatly effects accuracy - the more the better"});
    row({&ChNum, "ChNum", -1, &Fra12, 60, 890, 1935, 200, "Exact or simple"});
    row({&TXapart, "TXapart", -1, &Fra12, 60, 1110, 1335, 220, "0"});
    row({&Label5[20], "Label5", 20, &Fra12, 1420, 1130, 575, 180, "km   apart"});
    row({&TXmax, "TXmax", -1, &Fra12, 60, 1350, 955, 220, "Max O"});
    row({&TXmin, "TXmin", -1, &Fra12, 1040, 1350, 955, 220, "Min O"});
    row({&TxTmax, "TxTmax", -1, &Fra12, 60, 1590, 955, 220, "Max T"});
    row({&TxTmin, "TxTmin", -1, &Fra12, 1040, 1590, 955, 220, "Min T"});
    row({&TXdif, "TXdif", -1, &Fra12, 60, 1830, 1935, 220, "Dif km"});
    row({&TXperOdif, "TXperOdif", -1, &Fra12, 60, 2070, 895, 220, "0",
         "Min is this % less than Max for this particular orbit"});
    row({&TXperdif, "TXperdif", -1, &Fra12, 980, 2070, 795, 220, "0",
         "Min is this % less than Max for entire scenario"});
    row({&Label5[16], "Label5", 16, &Fra12, 1800, 2090, 195, 180, "%"});
    row({&Chalt, "Chalt", -1, &Fra12, 60, 2330, 1935, 200, "Alternate color each orbit",
         "Alternate the color darker/lighter for successive orbits"});

    // ---- Top strip: the body editor, shown while paused ----
    row({&La[16], "La", 16, nullptr, 960, 0, 735, 180, "Star Type", {}, kHidden});
    row({&La[0], "La", 0, nullptr, 1680, 0, 495, 420, "Body          #", {}, kHidden});
    row({&TXTOden, "TXTOden", -1, nullptr, 2040, 0, 615, 405, "0", "Planetary Body Number", kHidden})
        .back(rgb(32, 24, 0))  // the marker's off colour
        .font(FontKind::SansBold);
    row({&Qui, "Qui", -1, nullptr, 2760, 0, 1935, 180, {}, {}, kHidden});
    row({&TxTyp, "TxTyp", -1, nullptr, 2760, 600, 375, 315, "X", {}, kHidden});
    row({&Label6[4], "Label6", 4, nullptr, 2700, 215, 420, 180, "mass", {}, kHidden});
    row({&TXTp[4], "TXTp", 4, nullptr, 3120, 195, 1575, 225, "123456789", "Solar masses", kHidden});
    row({&Frame2, "Frame2", -1, nullptr, 4800, 0, 1095, 495, {}, {}, kHidden});
    row({&Opadd[0], "Opadd", 0, &Frame2, 60, 30, 1000, 200, "num", "Move Planet with Decimal Accuracy"});
    row({&Opadd[1], "Opadd", 1, &Frame2, 60, 260, 1000, 200, "visual", "Move Planet with Scrollbars"});
    row({&Label6[0], "Label6", 0, nullptr, 6000, 0, 240, 225, "Y", {}, kHidden});
    row({&TXTp[0], "TXTp", 0, nullptr, 6240, 0, 1500, 225, "0",
         "Horizontal Position. Expressed as screen twips. 15 points per pixel.", kHidden});
    row({&Label6[1], "Label6", 1, nullptr, 7800, 0, 240, 225, "X", {}, kHidden});
    row({&TXTp[1], "TXTp", 1, nullptr, 8040, 0, 1500, 225, "0",
         "Expressed as screen twips. 15 points per pixel.", kHidden});
    row({&Label6[2], "Label6", 2, nullptr, 9570, 0, 270, 225, "Ym", {}, kHidden});
    row({&TXTp[2], "TXTp", 2, nullptr, 9840, 0, 1740, 225, "0",
         "Horizontal Momentum. Expressed as km per iteration.", kHidden});
    row({&Label6[3], "Label6", 3, nullptr, 11610, 0, 390, 225, "Xm", {}, kHidden});
    row({&TXTp[3], "TXTp", 3, nullptr, 12000, 0, 1740, 225, "0",
         "Vertical Momentum.  Expressed as km per iteration.", kHidden});
    row({&Hsp[0], "Hsp", 0, nullptr, 6000, 240, 1760, 180, {}, {}, kHidden});
    row({&Hsp[1], "Hsp", 1, nullptr, 7800, 240, 1760, 180, {}, {}, kHidden});
    row({&LabTab,
         "LabTab",
         -1,
         nullptr,
         6240,
         240,
         5535,
         255,
         "Tip: Hit TAB after making changes to the numbers in the textboxes ",
         {},
         kHidden})
        .seeThrough();  // the pause tip overlaps the description's first line
    row({&Chon, "Chon", -1, nullptr, 13920, 0, 1335, 255, "Object off",
         "Turn the planet or star on, or switch it off.", kHidden});
    // Beyond the right edge of the client area: out of sight even when shown.
    row({&La[8], "La", 8, nullptr, 16560, 300, 300, 180, "Tag", {}, kHidden});
    row({&Text7, "Text7", -1, nullptr, 16515, 0, 450, 255, "0", "Tag a Planet Number (0=sol)", kHidden});

    // ---- Right column: physics options, explanations and links, scenario text ----
    row({&FraSpin, "FraSpin", -1, nullptr, 12600, 360, 2700, 1665}).back(kPanelBack).noBorder();
    row({&Label3, "Label3", -1, &FraSpin, 60, 0, 2580, 200, "Physical Cosmology:"}).fore(kChosenScaleFore);
    row({&Cosmos[0], "Cosmos", 0, &FraSpin, 60, 210, 2000, 200, "Newton's Gravity", "Must be selected"});
    row({&Cosmos[1], "Cosmos", 1, &FraSpin, 60, 420, 2000, 200, "Special Relativity",
         "Special Relativity: Reduction in velocity as the object approaches the velocity of light. Also see "
         "option "
         "below this."});
    row({&Cosmos[3], "Cosmos", 3, &FraSpin, 60, 630, 2000, 200, "General Relativity",
         "Gravity has velocity. Unticked is instant gravity. Also see option below this."});
    row({&Cosmos[2], "Cosmos", 2, &FraSpin, 2100, 420, 540, 200, "Tor Varn's Vessor Theory",
         "Requires the Einstein formula for velocity as the object appoaches C. Thus it has no affect if "
         "Einstein's "
         "Relativity is not selected.",
         kHidden});
    row({&Cosmos[4], "Cosmos", 4, &FraSpin, 2100, 630, 540, 200, "Dark Cloud",
         "The pair may in-spiral due to a cloud of gas or particles.", kHidden});
    row({&Cosmos[5], "Cosmos", 5, &FraSpin, 2100, 210, 540, 200, "Bounce",
         "Objects behave as solids. Unticked they are as fluids.", kHidden});
    row({&LVLV, "LVLV", -1, &FraSpin, 60, 840, 1800, 200, "Verify Velocity C-Limit"});
    // The orbit-line colours live in LaLim (light shade) and LaDark (dark shade), one pair per body.
    row({&LaLim[1], "LaLim", 1, &FraSpin, 1890, 850, 330, 180, "=0"}).fore(rgb(255, 64, 0));
    row({&LaLim[2], "LaLim", 2, &FraSpin, 2250, 850, 390, 180, "=0"}).fore(rgb(0, 255, 176));
    row({&ChDist, "ChDist", -1, &FraSpin, 60, 1050, 1800, 200, "Gravity Delay Details"});
    row({&CDsr, "CDsr", -1, &FraSpin, 1890, 1050, 750, 200, "SR",
         "RED = no special relativity detectable. GREEN=special relativity in operation. ORANGE= trace "
         "relativity possible. (Velocity changes may be too small to effect)",
         kHidden});
    row({&TXdelay, "TXdelay", -1, &FraSpin, 60, 1290, 1800, 240, "0.0",
         "Time delay of gravity between the bodies in seconds."});
    row({&TXdark, "TXdark", -1, &FraSpin, 1890, 1290, 750, 240, "0", "Friction due to Dark Matter", kHidden});
    row({&CHspinner,
         "CHspinner",
         -1,
         &FraSpin,
         1890,
         1550,
         200,
         100,
         {},
         "Collision ricochets spin into linear velocity. Some substances will + or - the direction. Egs: "
         "metal or "
         "rubber do this differently. Ticked is metallic.",
         kHidden});
    row({&TXSpinTransfer, "TXSpinTransfer", -1, &FraSpin, 1890, 1290, 750, 240, "0",
         "Angular momentum around axis (spin) converted into normal linear orbital momentum at collision (as "
         "a "
         "proportion). IE stickiness or slipperiness.",
         kHidden});
    row({&TXyield, "TXyield", -1, &FraSpin, 1890, 1050, 750, 240, "0",
         "Spin Yield: (Radians) Minimum combined spin before bodies coalesce. More combined spin than this "
         "amount "
         "causes 'Bounce' option to affect. Less than this they behave as fluids.",
         kHidden});

    row({&FraCosmo, "FraCosmo", -1, nullptr, 12600, 2040, 2700, 5505});
    for (int i = 0; i < LaCosmo.kSize; ++i)
        row({&LaCosmo[i],
             "LaCosmo",
             i,
             &FraCosmo,
             60,
             60,
             2580,
             4000,
             kCosmosExplanations[static_cast<std::size_t>(i)],
             {},
             kHidden});
    row({&FrameGD, "FrameGD", -1, &FraCosmo, 0, 240, 2655, 3930, "Gravity Delay", {}, kHidden});
    row({&Label8[3], "Label8", 3, &FrameGD, 60, 200, 2535, 180, "Timer Delay"});
    row({&TXitd, "TXitd", -1, &FrameGD, 60, 380, 1215, 220, "0", "Number of iterations delayed"});
    row({&TXerr, "TXerr", -1, &FrameGD, 1320, 380, 1275, 220, "x", "% of error in temporal gravity delay"});
    row({&TXswitch, "TXswitch", -1, &FrameGD, 60, 650, 495, 220, "2",
         "% of error in temporal gravity delay above which it may automatically switch to 'Spatial' "
         "calculation."});
    row({&Chswitch, "Chswitch", -1, &FrameGD, 600, 660, 1995, 200, "auto switch",
         "Switch between 'Spatial' and 'Temporal' gravity when margin of temporal error is beyond % on "
         "left"});
    row({&OpGD[0], "OpGD", 0, &FrameGD, 60, 920, 1215, 200, "Temporal",
         "Temporal calculation for delay. Gravity origin obtained by referencing previous positions."});
    row({&OpGD[1], "OpGD", 1, &FrameGD, 1320, 920, 1275, 200, "Spatial",
         "Spatial calculation for delay. Gravity origin obtained linearly from current position."});
    row({&Label2, "Label2", -1, &FrameGD, 60, 1150, 2535, 180, "Method of the delayed gravity origin"});
    row({&Label8[0], "Label8", 0, &FrameGD, 60, 1380, 2535, 180,
         "Dif betw real position and gravity origin:"});
    row({&TXgd[1], "TXgd", 1, &FrameGD, 60, 1580, 1275, 220, "000"});
    row({&Label8[1], "Label8", 1, &FrameGD, 1380, 1600, 1215, 180, "km for body 1"});
    row({&TXgd[2], "TXgd", 2, &FrameGD, 60, 1830, 1275, 220, "000"});
    row({&Label8[2], "Label8", 2, &FrameGD, 1380, 1850, 1215, 180, "km for body 2"});
    row({&Label9, "Label9", -1, &FrameGD, 60, 2120, 2535, 180, "Velocity of Gravity: (1=lightspeed)"});
    row({&TXGspeed, "TXGspeed", -1, &FrameGD, 60, 2320, 700, 240, "0", "C = 1"})
        .colours(kHighlightFore, kHighlightBack)
        .font(FontKind::SansBold);
    row({&HSgrav, "HSgrav", -1, &FrameGD, 820, 2340, 1775, 200});
    row({&TXbuf, "TXbuf", -1, &FrameGD, 60, 2620, 2535, 220, "Gravity Velocity Buffer", {}, kHidden});
    row({&LaChirp[2], "LaChirp", 2, &FrameGD, 60, 2900, 2535, 900,
         "General Relativity is currently not active See 'Physical Cosmology' options."});
    // The link buttons stack at the foot of the frame; the hidden one keeps a slot of its own.
    constexpr std::string_view kLinkCaptions[decltype(CDwww)::kSize] = {"www Special Relativity (or not)",
                                                                        "www General Relativity (or not)",
                                                                        "www Quantum Gravity",
                                                                        "www Gravitational Waves (or not)",
                                                                        "www Vessor Theory",
                                                                        "www Varn's LIGO article"};
    for (int i = 0; i < CDwww.kSize; ++i)
        row({&CDwww[i], "CDwww", i, &FraCosmo, 60, 4200 + 215 * i, 2580, 210, kLinkCaptions[i],
             "^ Go to the website ^", i == 3});
    row({&LaChirp[1], "LaChirp", 1, nullptr, 12600, 7560, 2700, 1455,
         "Scenario information may appear here."})
        .colours(kPlainFore, kPlainBack);

    // ---- Bottom row ----
    row({&FraDrift, "FraDrift", -1, nullptr, 2160, 9000, 2175, 2055, "Drift",
         "Max and Min distances for each orbit. After more than 8 orbits, see the 'file' option to retrieve "
         "the data "
         "for all orbits."});
    row({&ChMinMax, "ChMinMax", -1, &FraDrift, 60, 200, 1000, 200, "Max dist",
         "Min or Max distance between the pair for first 8 orbits"});
    row({&CHfile, "CHfile", -1, &FraDrift, 1100, 200, 1015, 200, "File"});
    row({&LaDrift[0], "LaDrift", 0, &FraDrift, 1100, 420, 1015, 180, "~", {}, kHidden});
    // Orbits 1..8 in rows; the row numbers are labels 9..16 ("8" first, then "1".."7").
    for (int orbit = 1; orbit <= 8; ++orbit) {
        const int numberLabel = orbit == 8 ? 9 : 9 + orbit;
        const int top = 420 + 200 * (orbit - 1);
        row({&LaDrift[numberLabel], "LaDrift", numberLabel, &FraDrift, 60, top, 240, 180,
             numbers[static_cast<std::size_t>(orbit)]});
        row({&LaDrift[orbit], "LaDrift", orbit, &FraDrift, 330, top, 1785, 180, "~"});
    }

    row({&FraDist, "FraDist", -1, nullptr, 4440, 9000, 3015, 2055, "Distance Scale"});
    for (int i = 0; i < kDistanceScales; ++i) {
        const bool tenfold = i <= 8;
        row({&OpDist[i], "OpDist", i, &FraDist, tenfold ? 60 : 1530, 180 + 200 * (tenfold ? i : i - 9),
             tenfold ? 1440 : 1425, 180, kDistanceScaleTable[static_cast<std::size_t>(i)].caption})
            .colours(kPlainFore, kPlainBack);
    }

    row({&FraTime, "FraTime", -1, nullptr, 7560, 9000, 4935, 2055, "Time Scale",
         "Increasing the time scale causes large margins of error; or in extremes, even overflow errors"});
    for (int k = 0; k < kTimeScales; ++k) {
        const bool even = k % 2 == 0;
        row({&Optime[k], "Optime", k, &FraTime, even ? 120 : 2040, 180 + k * 1620 / 17, even ? 1815 : 1095,
             180, kTimeScaleTable[static_cast<std::size_t>(k)].caption,
             kTimeScaleTable[static_cast<std::size_t>(k)].toolTip})
            .colours(kPlainFore, kPlainBack);
    }
    row({&Optime[kHiddenTimeScale],
         "Optime",
         kHiddenTimeScale,
         &FraTime,
         120,
         1980,
         500,
         60,
         "18",
         {},
         kHidden})
        .colours(kPlainFore, kPlainBack);
    row({&Line1, "Line1", -1, &FraTime, 3240, 120, 0, 1920}).fore(rgb(32, 32, 32));
    // Right of the divider, below the "Scenario Time" box that sits on the frame's edge.
    row({&Label10[1], "Label10", 1, &FraTime, 3300, 225, 1575, 150, "Time Scale",
         "If you do not pause before adjusting time scale, there will be a marginal movement error%. "
         "Increasing the "
         "time scale causes large margins of error; or in extremes, even overflow errors"});
    row({&Label8[4], "Label8", 4, &FraTime, 3520, 380, 1355, 150, "Movement err %"});
    row({&LaDark[1], "LaDark", 1, &FraTime, 3300, 540, 200, 180, "1", "Body 1"}).fore(rgb(128, 0, 32));
    row({&TXtimErr[1], "TXtimErr", 1, &FraTime, 3520, 535, 1360, 190, "0"});
    row({&Label8[5], "Label8", 5, &FraTime, 3520, 735, 1355, 150, "Movement err %"});
    row({&LaDark[2], "LaDark", 2, &FraTime, 3300, 895, 200, 180, "2", "Body 2"}).fore(rgb(0, 128, 255));
    row({&TXtimErr[2], "TXtimErr", 2, &FraTime, 3520, 890, 1360, 190, "0"});
    row({&Label8[6], "Label8", 6, &FraTime, 3300, 1090, 780, 150, "Max err %"});
    row({&Label8[7], "Label8", 7, &FraTime, 4100, 1090, 780, 150, "Max err %"});
    row({&TxMerr[1], "TxMerr", 1, &FraTime, 3520, 1245, 1360, 180, "0"});
    row({&TxMerr[2], "TxMerr", 2, &FraTime, 3520, 1430, 1360, 180, "0"});

    row({&Frame1, "Frame1", -1, nullptr, 12600, 9000, 2655, 2055, "Elapsed Time"});
    row({&Label4[0], "Label4", 0, &Frame1, 60, 180, 540, 165, "Secs"});
    row({&LaTT, "LaTT", -1, &Frame1, 600, 180, 1080, 165, " 0.", "Seconds"});
    row({&LaTime, "LaTime", -1, &Frame1, 1680, 180, 915, 165, "00000"});
    row({&Label4[3], "Label4", 3, &Frame1, 60, 350, 660, 165, "In days"});
    row({&Laday, "Laday", -1, &Frame1, 720, 350, 1875, 165, "Days"});
    row({&Label4[2], "Label4", 2, &Frame1, 60, 520, 660, 165, "In years"});
    row({&LaYears, "LaYears", -1, &Frame1, 720, 520, 1875, 165, "Years"});
    row({&Laadd, "Laadd", -1, &Frame1, 60, 690, 2535, 165, "0000000", "Added time per iteration"});
    row({&FraMil, "FraMil", -1, &Frame1, 60, 860, 2535, 170, {}, {}, kHidden}).noBorder();
    row({&LaYonks, "LaYonks", -1, &FraMil, 0, 0, 1200, 165, "Million Years:", "Time is on your side!"});
    row({&Lamil, "Lamil", -1, &FraMil, 1200, 0, 1335, 165, "0"});
    row({&FraYear, "FraYear", -1, &Frame1, 60, 1040, 2535, 620}).noBorder();
    constexpr std::string_view kPeriodTips[decltype(OpAnnual)::kSize] = {
        "Orbital Frequency of last orbit", "Orbital Frequency of average year",
        "Orbital Frequency of 1st half orbit"};
    for (int i = 0; i < OpAnnual.kSize; ++i)
        row({&OpAnnual[i], "OpAnnual", i, &FraYear, 420 * i, 0, 400, 180, {}, kPeriodTips[i]});
    row({&LaQd, "LaQd", -1, &FraYear, 0, 200, 1200, 180, "Orbit days (last)"});
    row({&TXdayFreq, "TXdayFreq", -1, &FraYear, 1200, 190, 1335, 200, "~", "Orbital period in days"});
    row({&LaQy, "LaQy", -1, &FraYear, 0, 410, 1200, 180, "Orbit years (last)"});
    row({&TXyearFreq, "TXyearFreq", -1, &FraYear, 1200, 400, 1335, 200, "~", "Orbital period in years"});
    row({&FraTi, "FraTi", -1, &Frame1, 60, 1680, 2535, 330}).noBorder();
    row({&Label4[1], "Label4", 1, &FraTi, 0, 60, 600, 165, "PC Rate"});
    // The rate options go from dark (free to edit) to light (fastest).
    constexpr Color kRateShades[decltype(Optim)::kSize] = {rgb(64, 64, 64), rgb(128, 128, 128),
                                                           rgb(176, 176, 176), rgb(224, 224, 224)};
    constexpr std::string_view kRateTips[decltype(Optim)::kSize] = {
        "PC rate - Free to edit", "Slowest computation speed", "Medium computation speed",
        "Fastest computation speed"};
    for (int i = 0; i < Optim.kSize; ++i)
        row({&Optim[i], "Optim", i, &FraTi, 620 + 210 * i, 50, 180, 180, {}, kRateTips[i]})
            .back(kRateShades[i]);
    row({&TXt, "TXt", -1, &FraTi, 1500, 20, 700, 240, "15",
         "PC Time rate: 1000 = 1 second per iteration. 15 = 1/60 ssecond per iteration. Slows or quickens "
         "the "
         "algorithm, but does not effect its function."});

    // Above the time-scale frame's edge.
    row({&Chuser, "Chuser", -1, nullptr, 9600, 9015, 1695, 195, "Scenario Time (user)",
         "Current selected time-scale will overide scenario time, if this is ticked by user."});
    row({&ChReset, "ChReset", -1, nullptr, 10920, 10620, 960, 180, "Reset max",
         "Reset max error when 'Time Scale' changes"});
    row({&Chender, "Chender", -1, nullptr, 10920, 10815, 960, 180, "End err %",
         "If the movement error% reaches above this amount, the scenario ends"});
    row({&TXender, "TXender", -1, nullptr, 11880, 10800, 615, 255, "5",
         "If the movement error% reaches above this amount, the scenario ends"})
        .colours(kYellow, toolkit::kBlack)
        .font(FontKind::SansBold);

    for (const Row& r : rows) place(*this, r);

    // ---- Values ----
    for (CheckBox* c : {&Cosmos[0], &Chswitch, &CHspinner, &ChMinMax, &CHfile, &ChReset, &Chender})
        c->initValue(CheckBox::kTicked);
    Chon.initValue(CheckBox::kGreyed);
    OptBodies[0].initValue(true);
    Optim[3].initValue(true);
    HSgrav.initRange(0, 10, 0);
    Qui.initRange(1, 2, 1);
    Hsp[0].setSteps(15, 300);
    Hsp[1].setSteps(15, 300);

    // ---- Timers ----
    Ti.setInterval(1);
    Ti.setEnabled(false);
    TiF.setInterval(500);
    TiF.setEnabled(false);
    Tr.setInterval(15);
    Tr.setEnabled(true);

    clearDirty();
}

}  // namespace zephra
