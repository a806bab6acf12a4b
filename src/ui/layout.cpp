// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as it opens: every control with its place, words and look, laid out from rows grouped by
// the frame that holds them.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
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

// Where a control sits, in twips inside its container. A line's box runs from its first end to its second.
struct Box {
    int left, top, width, height;
};

// One control: where it sits, what it says (caption, or text for a text box), its tooltip and whether it
// starts hidden; then, where it differs from its kind's look, its colours, face and the like.
struct Row {
    Control* control;
    std::string_view name;
    int index;
    Control* container;
    Box box;
    std::string_view text;
    std::string_view toolTip = {};
    bool startsHidden = false;
    std::optional<Color> foreColor = {}, backColor = {};
    std::optional<FontKind> face = {};
    bool centred = false, transparent = false, borderless = false;

    Row& hidden(bool h = true) { return startsHidden = h, *this; }
    Row& fore(Color c) { return foreColor = c, *this; }
    Row& back(Color c) { return backColor = c, *this; }
    Row& colours(Color f, Color b) { return fore(f).back(b); }
    Row& font(FontKind f) { return face = f, *this; }
    Row& centre() { return centred = true, *this; }
    Row& seeThrough() { return transparent = true, *this; }
    Row& noBorder() { return borderless = true, *this; }
    // Last in a row, so that a long tip reads whole at the end of its line.
    Row& tip(std::string_view t) { return toolTip = t, *this; }
};

// A member of the window and the name the window knows it by; an element of a control array adds its index.
template <class Member>
struct Named {
    Member FormOrbit::*member;
    std::string_view name;
    int index = -1;
    Named operator[](int i) const { return {member, name, i}; }
};

template <class Member>
Named<Member> named(Member FormOrbit::*member, std::string_view name) {
    return {member, name};
}

// C++ cannot spell a member's name from the member, so the preprocessor writes it once for both.
#define ZEPHRA_MEMBER(member) named(&FormOrbit::member, #member)

// The rows of one container (none: the window itself), collected in the order the window adds them.
class Rows {
  public:
    Rows(FormOrbit& form, std::vector<Row>& rows, Control* container = nullptr)
        : form_(&form), rows_(&rows), container_(container) {}

    template <class Member>
    Row& add(const Named<Member>& n, Box box, std::string_view text = {}) const {
        return rows_->emplace_back(Row{&resolve(n), n.name, n.index, container_, box, text});
    }
    // The rows of the frame that row lays out.
    Rows inside(const Row& frame) const { return {*form_, *rows_, frame.control}; }

  private:
    template <class Member>
    Control& resolve(const Named<Member>& n) const {
        if constexpr (std::is_base_of_v<Control, Member>)
            return form_->*n.member;
        else
            return (form_->*n.member)[n.index];
    }

    FormOrbit* form_;
    std::vector<Row>* rows_;
    Control* container_;
};

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
    const Box& b = r.box;
    form.add(c, r.name, r.index);
    c.setContainer(r.container);
    c.setBounds(b.left, b.top, b.width, b.height);
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
            static_cast<Line&>(c).setEnds(b.left, b.top, b.left + b.width, b.top + b.height);
            break;
        default:
            c.setCaption(r.text);
            break;
    }
    c.setToolTip(r.toolTip);
    c.setVisible(!r.startsHidden);
}

// "0", "1" ... as captions: the scenario buttons and the drift table's orbit numbers.
std::string_view countCaption(int n) {
    static const auto captions = [] {
        std::array<std::string, decltype(FormOrbit::CDp)::kSize> c;
        for (std::size_t i = 0; i < c.size(); ++i) c[i] = std::to_string(i);
        return c;
    }();
    return captions[static_cast<std::size_t>(n)];
}

// clang-format off
void topLeftCorner(const Rows& window) {
    window.add(ZEPHRA_MEMBER(Command1), {45, 45, 375, 375}, "X").back(kOrange);
    window.add(ZEPHRA_MEMBER(Command2), {480, 120, 480, 270}, "Go").hidden().back(kYellow);
    window.add(ZEPHRA_MEMBER(Command5), {960, 45, 840, 375}, "Pause").hidden().back(kPauseFace);
    window.add(ZEPHRA_MEMBER(Command4), {1980, 480, 690, 360}, "Clear").hidden().tip("Clear Screen");
    window.add(ZEPHRA_MEMBER(Label1), {45, 405, 1980, 255}, "Zephra version " ZEPHRA_VERSION);
    window.add(ZEPHRA_MEMBER(CDrepair), {45, 660, 375, 375}, "o").tip("Repair orbit line. (The circumference of the body inadvertantly damages the pixels of the orbit. This is purely cosmetic)");
    window.add(ZEPHRA_MEMBER(CHac), {480, 630, 1455, 205}, " Auto clear screen").hidden().tip("Auto Clear orbit lines after each orbit");
    window.add(ZEPHRA_MEMBER(TXran), {0, 660, 615, 255}, "33333").hidden().tip("Randomizer Seed");
    window.add(ZEPHRA_MEMBER(CHran), {0, 960, 855, 255}, "Random").hidden().tip("Freeze Seed for Predetermined Planetary Data");
    window.add(ZEPHRA_MEMBER(Label7), {360, 840, 1665, 195}, "Select System ->").fore(kYellow);
    window.add(ZEPHRA_MEMBER(Command3), {45, 1140, 1995, 360}, "www Help").tip("^ Go online to find out how this software works ^");
}

void drawingArea(const Rows& window) {
    window.add(ZEPHRA_MEMBER(ImMoon), {2760, 1080, 9750, 6600});
    window.add(ZEPHRA_MEMBER(ImSun), {7800, 6240, 300, 300}).hidden();
    window.add(ZEPHRA_MEMBER(Shark), {11880, 5280, 225, 225}).hidden();
    window.add(ZEPHRA_MEMBER(LaChirp)[0], {2760, 450, 9750, 900}, "Select Solar System option from the numbers on the left to begin. Optimal screen size 1024 x 768 - Hover mouse over stuff for quick help. ").centre().seeThrough().tip("Click to clear this off the screen");
    window.add(ZEPHRA_MEMBER(TXora), {8520, 7680, 1575, 285}).hidden().back(kOrange);
    window.add(ZEPHRA_MEMBER(TXblue), {8520, 6960, 1575, 285}).hidden().back(rgb(128, 128, 255));
    window.add(ZEPHRA_MEMBER(TXgreen), {8520, 8040, 1575, 285}).hidden().back(rgb(128, 255, 128));
    window.add(ZEPHRA_MEMBER(TXwhite), {8520, 7320, 1575, 285}).hidden().back(kButtonFace);
    window.add(ZEPHRA_MEMBER(TXn), {10320, 7800, 450, 285}, "2").hidden().fore(rgb(192, 192, 192)).tip("Total Planets");  // the marker's colour for type 4
    window.add(ZEPHRA_MEMBER(TXg)[0], {10800, 7560, 450, 285}, "400").hidden().tip("Sol Gravity");
    window.add(ZEPHRA_MEMBER(TXg)[1], {10680, 8160, 450, 285}, "3").hidden().tip("Gravity of largest Planet");
    window.add(ZEPHRA_MEMBER(TXw)[0], {10320, 8160, 450, 285}, "1").hidden().tip("Jupiter Factor");
    window.add(ZEPHRA_MEMBER(TXw)[1], {10320, 7560, 450, 285}, "2").hidden().tip("Waterworld Factor");
    window.add(ZEPHRA_MEMBER(La)[15], {11640, 7320, 855, 180}, "Gravity 1").hidden();
    const Rows minors = window.inside(window.add(ZEPHRA_MEMBER(Frame5), {10440, 7200, 2055, 255}).hidden());
    minors.add(ZEPHRA_MEMBER(OptBodies)[0], {0, 0, 700, 255}, "Alone").tip("Binary pair only");
    minors.add(ZEPHRA_MEMBER(OptBodies)[1], {700, 0, 800, 255}, "Bodies").tip("Add smaller bodies to the system (just because I can)");
    minors.add(ZEPHRA_MEMBER(TXminors), {1500, 0, 555, 255}, "10").tip("Minor bodies");
}

// 1..17 down the left edge, 18..37 along the bottom.
void scenarioButtons(const Rows& window) {
    window.add(ZEPHRA_MEMBER(CDp)[0], {2640, 7920, 480, 480}, "?").hidden().back(kScenarioFace).font(FontKind::Scenario).tip("Perfect Binary");
    for (int n = 1; n < decltype(FormOrbit::CDp)::kSize; ++n) {
        const bool leftEdge = n <= 17;
        window.add(ZEPHRA_MEMBER(CDp)[n], {leftEdge ? 2100 : 2580 + 480 * (n - 18), leftEdge ? 840 + 480 * (n - 1) : 8520, 480, 480}, countCaption(n)).hidden(n > 33).back(kScenarioFace).font(FontKind::Scenario);
    }
}

void bodyData(const Rows& window) {
    const Rows ring = window.inside(window.add(ZEPHRA_MEMBER(FrameRing), {0, 1560, 2055, 4635}, "Body Data").hidden());
    ring.add(ZEPHRA_MEMBER(Label5)[0], {60, 200, 1935, 180}, "Velocity as Light (C)");
    ring.add(ZEPHRA_MEMBER(Label5)[5], {60, 860, 1935, 180}, "Solar Mass");
    ring.add(ZEPHRA_MEMBER(La)[1], {60, 1520, 1935, 180}, "Radius km");
    for (int b = 1; b <= 2; ++b) {
        const int down = (b - 1) * 230;
        ring.add(ZEPHRA_MEMBER(LabWH)[b - 1], {60, 390 + down, 200, 200}, b == 1 ? "1" : "2");
        ring.add(ZEPHRA_MEMBER(TXvolight)[b], {280, 380 + down, 1715, 220}, "0");
        ring.add(ZEPHRA_MEMBER(LabWH)[b + 1], {60, 1050 + down, 200, 200}, b == 1 ? "1" : "2");
        ring.add(ZEPHRA_MEMBER(TXmass)[b], {280, 1040 + down, 1715, 220}, "0");
        ring.add(ZEPHRA_MEMBER(LabWH)[b + 3], {60, 1710 + down, 200, 200}, b == 1 ? "1" : "2");
        ring.add(ZEPHRA_MEMBER(TXrad)[b], {280, 1700 + down, 1715, 220}, "0");
    }
    ring.add(ZEPHRA_MEMBER(ChspinD), {60, 2180, 900, 200}, "Spin Data").tip("Rotations data is not accurate nor relevent in Zephra");
    ring.add(ZEPHRA_MEMBER(Chdetails), {1000, 2180, 995, 200}, "Details").tip("Tick this to pop up other details");
    // The spin rows, shown by "Spin Data": a heading, then the row number and the box of each body.
    ring.add(ZEPHRA_MEMBER(Label5)[6], {60, 2420, 1935, 180}, "Axis Spin in Radians").hidden();
    ring.add(ZEPHRA_MEMBER(Label5)[11], {60, 2610, 200, 200}, "1").hidden();
    ring.add(ZEPHRA_MEMBER(TXspin)[1], {280, 2600, 1715, 220}, "0").hidden().tip("Axis Spin in Radians");
    ring.add(ZEPHRA_MEMBER(Label5)[12], {60, 2840, 200, 200}, "2").hidden();
    ring.add(ZEPHRA_MEMBER(TXspin)[2], {280, 2830, 1715, 220}, "0").hidden().tip("Axis Spin in Radians");
    ring.add(ZEPHRA_MEMBER(Label5)[2], {60, 3080, 1935, 180}, "Axis Spin as C").hidden();
    ring.add(ZEPHRA_MEMBER(Label5)[3], {60, 3270, 200, 200}, "1").hidden();
    ring.add(ZEPHRA_MEMBER(TXspinC)[1], {280, 3260, 1715, 220}, "0").hidden().tip("Axis Spin as C");
    ring.add(ZEPHRA_MEMBER(Label5)[4], {60, 3500, 200, 200}, "2").hidden();
    ring.add(ZEPHRA_MEMBER(TXspinC)[2], {280, 3490, 1715, 220}, "0").hidden().tip("Axis Spin as C");
    ring.add(ZEPHRA_MEMBER(Label5)[13], {60, 3740, 1935, 180}, "Edge Velocity as C").hidden();
    ring.add(ZEPHRA_MEMBER(Label5)[15], {60, 3930, 200, 200}, "1").hidden();
    ring.add(ZEPHRA_MEMBER(TXspinT)[1], {280, 3920, 1715, 220}, "0").hidden().tip("Edge Velocity as C");
    ring.add(ZEPHRA_MEMBER(Label5)[14], {60, 4160, 200, 200}, "2").hidden();
    ring.add(ZEPHRA_MEMBER(TXspinT)[2], {280, 4150, 1715, 220}, "0").hidden().tip("Edge Velocity as C");
    ring.add(ZEPHRA_MEMBER(LaPush), {60, 4400, 1935, 180}).hidden();
}

void displayOptions(const Rows& window) {
    const Rows display = window.inside(window.add(ZEPHRA_MEMBER(Frame4), {0, 6120, 2055, 1755}).hidden());
    display.add(ZEPHRA_MEMBER(La)[3], {60, 60, 1320, 360}, "No. of points on body's horizon");
    display.add(ZEPHRA_MEMBER(Text3), {1440, 60, 555, 220}, "12").tip("Surface points");
    display.add(ZEPHRA_MEMBER(Text6), {1440, 300, 555, 220}, "1").tip("Surface Depth Points");
    display.add(ZEPHRA_MEMBER(Chboo), {60, 440, 1320, 200}, "Horizon").hidden().tip("Display the circumference of the bodies / or just the orbit line");
    display.add(ZEPHRA_MEMBER(Chauto), {60, 660, 1320, 200}, "Auto").tip("Automatic display of the circumference of the bodies / or just the orbit line");
    display.add(ZEPHRA_MEMBER(Chend), {60, 880, 1935, 200}, "Expand screen").tip("If the object leaves the edge of the visible screen then the screen scales outwards.");
    display.add(ZEPHRA_MEMBER(ChHit), {60, 1100, 1935, 200}, "Gaseous interaction").tip("Objects may pass through each other or slightly resist each other.");
    display.add(ZEPHRA_MEMBER(ChOrbit), {60, 1320, 1935, 200}, "Pause after each orbit");
    display.add(ZEPHRA_MEMBER(TXw)[2], {60, 1520, 555, 220}, "2").fore(rgb(128, 255, 128)).tip("Planetoid Factor");  // the marker's colour for type 3
    display.add(ZEPHRA_MEMBER(TXg)[2], {660, 1520, 555, 220}, "2").hidden().tip("g=m/r^[?]  Normally the ? = 2");
    display.add(ZEPHRA_MEMBER(TXschwarz), {1440, 540, 555, 220}, "2.94").hidden().tip("Schwarzchild radius: Km radius per solar mass if mass >2.6 solar masses.");
    display.add(ZEPHRA_MEMBER(Text1), {1440, 780, 555, 220}, "75").hidden().tip("Radius for each of the minor binary pair");
    display.add(ZEPHRA_MEMBER(Text4), {1440, 1020, 555, 220}, "1").hidden().tip("Crust Volatility (Crust size = Radius - Core) When planets are in partial collision, the exchange of matter is in effect as a random variable. (Visible explosions)");
    display.add(ZEPHRA_MEMBER(Text5), {1440, 1260, 555, 220}, "230").hidden().tip("Radius for each of the major binary pair");
    display.add(ZEPHRA_MEMBER(La)[2], {1260, 1540, 735, 180}, "Minor Radius").hidden();
    display.add(ZEPHRA_MEMBER(La)[4], {60, 1540, 735, 180}, "Crust").hidden();
    display.add(ZEPHRA_MEMBER(La)[6], {660, 1540, 735, 180}, "Major Radius").hidden();
    display.add(ZEPHRA_MEMBER(La)[17], {1260, 300, 135, 180}, "g").hidden();
    display.add(ZEPHRA_MEMBER(Label5)[7], {1260, 780, 135, 180}, "m").hidden();
    display.add(ZEPHRA_MEMBER(Label5)[8], {1260, 1260, 135, 180}, "M").hidden();
}

void orbitData(const Rows& window) {
    const Rows orbit = window.inside(window.add(ZEPHRA_MEMBER(Fra12), {0, 7920, 2055, 3135}, "Orbit Data"));
    orbit.add(ZEPHRA_MEMBER(Lablap), {60, 210, 700, 180}, "Orbit #");
    orbit.add(ZEPHRA_MEMBER(TXlaps), {780, 190, 1000, 220}, "0");
    orbit.add(ZEPHRA_MEMBER(LaQuart), {1860, 190, 120, 200}).tip("Quarter orbit indicator");
    orbit.add(ZEPHRA_MEMBER(Label5)[1], {60, 440, 700, 180}, "Calcs");
    orbit.add(ZEPHRA_MEMBER(TXiterations), {780, 420, 1215, 220}, "0");
    orbit.add(ZEPHRA_MEMBER(Label5)[9], {60, 670, 700, 180}, "Calcs/ orbit");
    orbit.add(ZEPHRA_MEMBER(TXcalorb), {780, 650, 1215, 220}, "0").tip("Calculations per orbit - greatly effects accuracy - the more the better");
    orbit.add(ZEPHRA_MEMBER(ChNum), {60, 890, 1935, 200}, "Exact or simple");
    orbit.add(ZEPHRA_MEMBER(TXapart), {60, 1110, 1335, 220}, "0");
    orbit.add(ZEPHRA_MEMBER(Label5)[20], {1420, 1130, 575, 180}, "km   apart");
    orbit.add(ZEPHRA_MEMBER(TXmax), {60, 1350, 955, 220}, "Max O");
    orbit.add(ZEPHRA_MEMBER(TXmin), {1040, 1350, 955, 220}, "Min O");
    orbit.add(ZEPHRA_MEMBER(TxTmax), {60, 1590, 955, 220}, "Max T");
    orbit.add(ZEPHRA_MEMBER(TxTmin), {1040, 1590, 955, 220}, "Min T");
    orbit.add(ZEPHRA_MEMBER(TXdif), {60, 1830, 1935, 220}, "Dif km");
    orbit.add(ZEPHRA_MEMBER(TXperOdif), {60, 2070, 895, 220}, "0").tip("Min is this % less than Max for this particular orbit");
    orbit.add(ZEPHRA_MEMBER(TXperdif), {980, 2070, 795, 220}, "0").tip("Min is this % less than Max for entire scenario");
    orbit.add(ZEPHRA_MEMBER(Label5)[16], {1800, 2090, 195, 180}, "%");
    orbit.add(ZEPHRA_MEMBER(Chalt), {60, 2330, 1935, 200}, "Alternate color each orbit").tip("Alternate the color darker/lighter for successive orbits");
}

// The top strip, shown while paused.
void bodyEditor(const Rows& window) {
    window.add(ZEPHRA_MEMBER(La)[16], {960, 0, 735, 180}, "Star Type").hidden();
    window.add(ZEPHRA_MEMBER(La)[0], {1680, 0, 495, 420}, "Body          #").hidden();
    window.add(ZEPHRA_MEMBER(TXTOden), {2040, 0, 615, 405}, "0").hidden().back(rgb(32, 24, 0)).font(FontKind::SansBold).tip("Planetary Body Number");  // the marker's off colour
    window.add(ZEPHRA_MEMBER(Qui), {2760, 0, 1935, 180}).hidden();
    window.add(ZEPHRA_MEMBER(TxTyp), {2760, 600, 375, 315}, "X").hidden();
    window.add(ZEPHRA_MEMBER(Label6)[4], {2700, 215, 420, 180}, "mass").hidden();
    window.add(ZEPHRA_MEMBER(TXTp)[4], {3120, 195, 1575, 225}, "123456789").hidden().tip("Solar masses");
    const Rows move = window.inside(window.add(ZEPHRA_MEMBER(Frame2), {4800, 0, 1095, 495}).hidden());
    move.add(ZEPHRA_MEMBER(Opadd)[0], {60, 30, 1000, 200}, "num").tip("Move Planet with Decimal Accuracy");
    move.add(ZEPHRA_MEMBER(Opadd)[1], {60, 260, 1000, 200}, "visual").tip("Move Planet with Scrollbars");
    window.add(ZEPHRA_MEMBER(Label6)[0], {6000, 0, 240, 225}, "Y").hidden();
    window.add(ZEPHRA_MEMBER(TXTp)[0], {6240, 0, 1500, 225}, "0").hidden().tip("Horizontal Position. Expressed as screen twips. 15 points per pixel.");
    window.add(ZEPHRA_MEMBER(Label6)[1], {7800, 0, 240, 225}, "X").hidden();
    window.add(ZEPHRA_MEMBER(TXTp)[1], {8040, 0, 1500, 225}, "0").hidden().tip("Expressed as screen twips. 15 points per pixel.");
    window.add(ZEPHRA_MEMBER(Label6)[2], {9570, 0, 270, 225}, "Ym").hidden();
    window.add(ZEPHRA_MEMBER(TXTp)[2], {9840, 0, 1740, 225}, "0").hidden().tip("Horizontal Momentum. Expressed as km per iteration.");
    window.add(ZEPHRA_MEMBER(Label6)[3], {11610, 0, 390, 225}, "Xm").hidden();
    window.add(ZEPHRA_MEMBER(TXTp)[3], {12000, 0, 1740, 225}, "0").hidden().tip("Vertical Momentum.  Expressed as km per iteration.");
    window.add(ZEPHRA_MEMBER(Hsp)[0], {6000, 240, 1760, 180}).hidden();
    window.add(ZEPHRA_MEMBER(Hsp)[1], {7800, 240, 1760, 180}).hidden();
    window.add(ZEPHRA_MEMBER(LabTab), {6240, 240, 5535, 255}, "Tip: Hit TAB after making changes to the numbers in the textboxes ").hidden().seeThrough();  // the pause tip overlaps the description's first line
    window.add(ZEPHRA_MEMBER(Chon), {13920, 0, 1335, 255}, "Object off").hidden().tip("Turn the planet or star on, or switch it off.");
    // Beyond the right edge of the client area: out of sight even when shown.
    window.add(ZEPHRA_MEMBER(La)[8], {16560, 300, 300, 180}, "Tag").hidden();
    window.add(ZEPHRA_MEMBER(Text7), {16515, 0, 450, 255}, "0").hidden().tip("Tag a Planet Number (0=sol)");
}

void physicsOptions(const Rows& window) {
    const Rows physics = window.inside(window.add(ZEPHRA_MEMBER(FraSpin), {12600, 360, 2700, 1665}).back(kPanelBack).noBorder());
    physics.add(ZEPHRA_MEMBER(Label3), {60, 0, 2580, 200}, "Physical Cosmology:").fore(kChosenScaleFore);
    physics.add(ZEPHRA_MEMBER(Cosmos)[0], {60, 210, 2000, 200}, "Newton's Gravity").tip("Must be selected");
    physics.add(ZEPHRA_MEMBER(Cosmos)[1], {60, 420, 2000, 200}, "Special Relativity").tip("Special Relativity: Reduction in velocity as the object approaches the velocity of light. Also see option below this.");
    physics.add(ZEPHRA_MEMBER(Cosmos)[3], {60, 630, 2000, 200}, "General Relativity").tip("Gravity has velocity. Unticked is instant gravity. Also see option below this.");
    physics.add(ZEPHRA_MEMBER(Cosmos)[2], {2100, 420, 540, 200}, "Tor Varn's Vessor Theory").hidden().tip("Requires the Einstein formula for velocity as the object appoaches C. Thus it has no affect if Einstein's Relativity is not selected.");
    physics.add(ZEPHRA_MEMBER(Cosmos)[4], {2100, 630, 540, 200}, "Dark Cloud").hidden().tip("The pair may in-spiral due to a cloud of gas or particles.");
    physics.add(ZEPHRA_MEMBER(Cosmos)[5], {2100, 210, 540, 200}, "Bounce").hidden().tip("Objects behave as solids. Unticked they are as fluids.");
    physics.add(ZEPHRA_MEMBER(LVLV), {60, 840, 1800, 200}, "Verify Velocity C-Limit");
    // The orbit-line colours live in LaLim (light shade) and LaDark (dark shade), one pair per body.
    physics.add(ZEPHRA_MEMBER(LaLim)[1], {1890, 850, 330, 180}, "=0").fore(rgb(255, 64, 0));
    physics.add(ZEPHRA_MEMBER(LaLim)[2], {2250, 850, 390, 180}, "=0").fore(rgb(0, 255, 176));
    physics.add(ZEPHRA_MEMBER(ChDist), {60, 1050, 1800, 200}, "Gravity Delay Details");
    physics.add(ZEPHRA_MEMBER(CDsr), {1890, 1050, 750, 200}, "SR").hidden().tip("RED = no special relativity detectable. GREEN=special relativity in operation. ORANGE= trace relativity possible. (Velocity changes may be too small to effect)");
    physics.add(ZEPHRA_MEMBER(TXdelay), {60, 1290, 1800, 240}, "0.0").tip("Time delay of gravity between the bodies in seconds.");
    physics.add(ZEPHRA_MEMBER(TXdark), {1890, 1290, 750, 240}, "0").hidden().tip("Friction due to Dark Matter");
    physics.add(ZEPHRA_MEMBER(CHspinner), {1890, 1550, 200, 100}).hidden().tip("Collision ricochets spin into linear velocity. Some substances will + or - the direction. Egs: metal or rubber do this differently. Ticked is metallic.");
    physics.add(ZEPHRA_MEMBER(TXSpinTransfer), {1890, 1290, 750, 240}, "0").hidden().tip("Angular momentum around axis (spin) converted into normal linear orbital momentum at collision (as a proportion). IE stickiness or slipperiness.");
    physics.add(ZEPHRA_MEMBER(TXyield), {1890, 1050, 750, 240}, "0").hidden().tip("Spin Yield: (Radians) Minimum combined spin before bodies coalesce. More combined spin than this amount causes 'Bounce' option to affect. Less than this they behave as fluids.");
}

void gravityDelay(const Rows& cosmo) {
    const Rows delay = cosmo.inside(cosmo.add(ZEPHRA_MEMBER(FrameGD), {0, 240, 2655, 3930}, "Gravity Delay").hidden());
    delay.add(ZEPHRA_MEMBER(Label8)[3], {60, 200, 2535, 180}, "Timer Delay");
    delay.add(ZEPHRA_MEMBER(TXitd), {60, 380, 1215, 220}, "0").tip("Number of iterations delayed");
    delay.add(ZEPHRA_MEMBER(TXerr), {1320, 380, 1275, 220}, "x").tip("% of error in temporal gravity delay");
    delay.add(ZEPHRA_MEMBER(TXswitch), {60, 650, 495, 220}, "2").tip("% of error in temporal gravity delay above which it may automatically switch to 'Spatial' calculation.");
    delay.add(ZEPHRA_MEMBER(Chswitch), {600, 660, 1995, 200}, "auto switch").tip("Switch between 'Spatial' and 'Temporal' gravity when margin of temporal error is beyond % on left");
    delay.add(ZEPHRA_MEMBER(OpGD)[0], {60, 920, 1215, 200}, "Temporal").tip("Temporal calculation for delay. Gravity origin obtained by referencing previous positions.");
    delay.add(ZEPHRA_MEMBER(OpGD)[1], {1320, 920, 1275, 200}, "Spatial").tip("Spatial calculation for delay. Gravity origin obtained linearly from current position.");
    delay.add(ZEPHRA_MEMBER(Label2), {60, 1150, 2535, 180}, "Method of the delayed gravity origin");
    delay.add(ZEPHRA_MEMBER(Label8)[0], {60, 1380, 2535, 180}, "Dif betw real position and gravity origin:");
    delay.add(ZEPHRA_MEMBER(TXgd)[1], {60, 1580, 1275, 220}, "000");
    delay.add(ZEPHRA_MEMBER(Label8)[1], {1380, 1600, 1215, 180}, "km for body 1");
    delay.add(ZEPHRA_MEMBER(TXgd)[2], {60, 1830, 1275, 220}, "000");
    delay.add(ZEPHRA_MEMBER(Label8)[2], {1380, 1850, 1215, 180}, "km for body 2");
    delay.add(ZEPHRA_MEMBER(Label9), {60, 2120, 2535, 180}, "Velocity of Gravity: (1=lightspeed)");
    delay.add(ZEPHRA_MEMBER(TXGspeed), {60, 2320, 700, 240}, "0").colours(kHighlightFore, kHighlightBack).font(FontKind::SansBold).tip("C = 1");
    delay.add(ZEPHRA_MEMBER(HSgrav), {820, 2340, 1775, 200});
    delay.add(ZEPHRA_MEMBER(TXbuf), {60, 2620, 2535, 220}, "Gravity Velocity Buffer").hidden();
    delay.add(ZEPHRA_MEMBER(LaChirp)[2], {60, 2900, 2535, 900}, "General Relativity is currently not active See 'Physical Cosmology' options.");
}

// The explanations of the physics options, the gravity delay and the links, then the scenario text below.
void explanationsAndLinks(const Rows& window) {
    const Rows cosmo = window.inside(window.add(ZEPHRA_MEMBER(FraCosmo), {12600, 2040, 2700, 5505}));
    for (int i = 0; i < decltype(FormOrbit::LaCosmo)::kSize; ++i)
        cosmo.add(ZEPHRA_MEMBER(LaCosmo)[i], {60, 60, 2580, 4000}, kCosmosExplanations[static_cast<std::size_t>(i)]).hidden();
    gravityDelay(cosmo);
    // The link buttons stack at the foot of the frame; the hidden one keeps a slot of its own.
    constexpr std::string_view kLinkCaptions[decltype(FormOrbit::CDwww)::kSize] = {
        "www Special Relativity (or not)", "www General Relativity (or not)", "www Quantum Gravity",
        "www Gravitational Waves (or not)", "www Vessor Theory", "www Varn's LIGO article"};
    for (int i = 0; i < decltype(FormOrbit::CDwww)::kSize; ++i)
        cosmo.add(ZEPHRA_MEMBER(CDwww)[i], {60, 4200 + 215 * i, 2580, 210}, kLinkCaptions[i]).hidden(i == 3).tip("^ Go to the website ^");
    window.add(ZEPHRA_MEMBER(LaChirp)[1], {12600, 7560, 2700, 1455}, "Scenario information may appear here.").colours(kPlainFore, kPlainBack);
}

void driftTable(const Rows& window) {
    const Rows drift = window.inside(window.add(ZEPHRA_MEMBER(FraDrift), {2160, 9000, 2175, 2055}, "Drift").tip("Max and Min distances for each orbit. After more than 8 orbits, see the 'file' option to retrieve the data for all orbits."));
    drift.add(ZEPHRA_MEMBER(ChMinMax), {60, 200, 1000, 200}, "Max dist").tip("Min or Max distance between the pair for first 8 orbits");
    drift.add(ZEPHRA_MEMBER(CHfile), {1100, 200, 1015, 200}, "File");
    drift.add(ZEPHRA_MEMBER(LaDrift)[0], {1100, 420, 1015, 180}, "~").hidden();
    // Orbits 1..8 in rows; the row numbers are labels 9..16 ("8" first, then "1".."7").
    for (int orbit = 1; orbit <= 8; ++orbit) {
        const int numberLabel = orbit == 8 ? 9 : 9 + orbit;
        const int top = 420 + 200 * (orbit - 1);
        drift.add(ZEPHRA_MEMBER(LaDrift)[numberLabel], {60, top, 240, 180}, countCaption(orbit));
        drift.add(ZEPHRA_MEMBER(LaDrift)[orbit], {330, top, 1785, 180}, "~");
    }
}

void distanceScale(const Rows& window) {
    const Rows distance = window.inside(window.add(ZEPHRA_MEMBER(FraDist), {4440, 9000, 3015, 2055}, "Distance Scale"));
    for (int i = 0; i < kDistanceScales; ++i) {
        const bool tenfold = i <= 8;
        distance.add(ZEPHRA_MEMBER(OpDist)[i], {tenfold ? 60 : 1530, 180 + 200 * (tenfold ? i : i - 9), tenfold ? 1440 : 1425, 180}, kDistanceScaleTable[static_cast<std::size_t>(i)].caption).colours(kPlainFore, kPlainBack);
    }
}

void timeScale(const Rows& window) {
    const Rows time = window.inside(window.add(ZEPHRA_MEMBER(FraTime), {7560, 9000, 4935, 2055}, "Time Scale").tip("Increasing the time scale causes large margins of error; or in extremes, even overflow errors"));
    for (int k = 0; k < kTimeScales; ++k) {
        const bool even = k % 2 == 0;
        const TimeScale& scale = kTimeScaleTable[static_cast<std::size_t>(k)];
        time.add(ZEPHRA_MEMBER(Optime)[k], {even ? 120 : 2040, 180 + k * 1620 / 17, even ? 1815 : 1095, 180}, scale.caption).colours(kPlainFore, kPlainBack).tip(scale.toolTip);
    }
    time.add(ZEPHRA_MEMBER(Optime)[kHiddenTimeScale], {120, 1980, 500, 60}, "18").hidden().colours(kPlainFore, kPlainBack);
    time.add(ZEPHRA_MEMBER(Line1), {3240, 120, 0, 1920}).fore(rgb(32, 32, 32));
    // Right of the divider, below the "Scenario Time" box that sits on the frame's edge.
    time.add(ZEPHRA_MEMBER(Label10)[1], {3300, 225, 1575, 150}, "Time Scale").tip("If you do not pause before adjusting time scale, there will be a marginal movement error%. Increasing the time scale causes large margins of error; or in extremes, even overflow errors");
    time.add(ZEPHRA_MEMBER(Label8)[4], {3520, 380, 1355, 150}, "Movement err %");
    time.add(ZEPHRA_MEMBER(LaDark)[1], {3300, 540, 200, 180}, "1").fore(rgb(128, 0, 32)).tip("Body 1");
    time.add(ZEPHRA_MEMBER(TXtimErr)[1], {3520, 535, 1360, 190}, "0");
    time.add(ZEPHRA_MEMBER(Label8)[5], {3520, 735, 1355, 150}, "Movement err %");
    time.add(ZEPHRA_MEMBER(LaDark)[2], {3300, 895, 200, 180}, "2").fore(rgb(0, 128, 255)).tip("Body 2");
    time.add(ZEPHRA_MEMBER(TXtimErr)[2], {3520, 890, 1360, 190}, "0");
    time.add(ZEPHRA_MEMBER(Label8)[6], {3300, 1090, 780, 150}, "Max err %");
    time.add(ZEPHRA_MEMBER(Label8)[7], {4100, 1090, 780, 150}, "Max err %");
    time.add(ZEPHRA_MEMBER(TxMerr)[1], {3520, 1245, 1360, 180}, "0");
    time.add(ZEPHRA_MEMBER(TxMerr)[2], {3520, 1430, 1360, 180}, "0");
}

void computationRate(const Rows& elapsed) {
    const Rows rate = elapsed.inside(elapsed.add(ZEPHRA_MEMBER(FraTi), {60, 1680, 2535, 330}).noBorder());
    rate.add(ZEPHRA_MEMBER(Label4)[1], {0, 60, 600, 165}, "PC Rate");
    // The rate options go from dark (free to edit) to light (fastest).
    constexpr Color kRateShades[decltype(FormOrbit::Optim)::kSize] = {rgb(64, 64, 64), rgb(128, 128, 128), rgb(176, 176, 176), rgb(224, 224, 224)};
    constexpr std::string_view kRateTips[decltype(FormOrbit::Optim)::kSize] = {
        "PC rate - Free to edit", "Slowest computation speed", "Medium computation speed", "Fastest computation speed"};
    for (int i = 0; i < decltype(FormOrbit::Optim)::kSize; ++i)
        rate.add(ZEPHRA_MEMBER(Optim)[i], {620 + 210 * i, 50, 180, 180}).back(kRateShades[i]).tip(kRateTips[i]);
    rate.add(ZEPHRA_MEMBER(TXt), {1500, 20, 700, 240}, "15").tip("PC Time rate: 1000 = 1 second per iteration. 15 = 1/60 ssecond per iteration. Slows or quickens the algorithm, but does not effect its function.");
}

void elapsedTime(const Rows& window) {
    const Rows elapsed = window.inside(window.add(ZEPHRA_MEMBER(Frame1), {12600, 9000, 2655, 2055}, "Elapsed Time"));
    elapsed.add(ZEPHRA_MEMBER(Label4)[0], {60, 180, 540, 165}, "Secs");
    elapsed.add(ZEPHRA_MEMBER(LaTT), {600, 180, 1080, 165}, " 0.").tip("Seconds");
    elapsed.add(ZEPHRA_MEMBER(LaTime), {1680, 180, 915, 165}, "00000");
    elapsed.add(ZEPHRA_MEMBER(Label4)[3], {60, 350, 660, 165}, "In days");
    elapsed.add(ZEPHRA_MEMBER(Laday), {720, 350, 1875, 165}, "Days");
    elapsed.add(ZEPHRA_MEMBER(Label4)[2], {60, 520, 660, 165}, "In years");
    elapsed.add(ZEPHRA_MEMBER(LaYears), {720, 520, 1875, 165}, "Years");
    elapsed.add(ZEPHRA_MEMBER(Laadd), {60, 690, 2535, 165}, "0000000").tip("Added time per iteration");
    const Rows millions = elapsed.inside(elapsed.add(ZEPHRA_MEMBER(FraMil), {60, 860, 2535, 170}).hidden().noBorder());
    millions.add(ZEPHRA_MEMBER(LaYonks), {0, 0, 1200, 165}, "Million Years:").tip("Time is on your side!");
    millions.add(ZEPHRA_MEMBER(Lamil), {1200, 0, 1335, 165}, "0");
    const Rows period = elapsed.inside(elapsed.add(ZEPHRA_MEMBER(FraYear), {60, 1040, 2535, 620}).noBorder());
    constexpr std::string_view kPeriodTips[decltype(FormOrbit::OpAnnual)::kSize] = {
        "Orbital Frequency of last orbit", "Orbital Frequency of average year", "Orbital Frequency of 1st half orbit"};
    for (int i = 0; i < decltype(FormOrbit::OpAnnual)::kSize; ++i)
        period.add(ZEPHRA_MEMBER(OpAnnual)[i], {420 * i, 0, 400, 180}).tip(kPeriodTips[i]);
    period.add(ZEPHRA_MEMBER(LaQd), {0, 200, 1200, 180}, "Orbit days (last)");
    period.add(ZEPHRA_MEMBER(TXdayFreq), {1200, 190, 1335, 200}, "~").tip("Orbital period in days");
    period.add(ZEPHRA_MEMBER(LaQy), {0, 410, 1200, 180}, "Orbit years (last)");
    period.add(ZEPHRA_MEMBER(TXyearFreq), {1200, 400, 1335, 200}, "~").tip("Orbital period in years");
    computationRate(elapsed);
}

// Over the time-scale frame but not in it: the user's own time scale on its edge, then the maximum error's
// reset and the end of a run on too large an error.
void timeScaleChecks(const Rows& window) {
    window.add(ZEPHRA_MEMBER(Chuser), {9600, 9015, 1695, 195}, "Scenario Time (user)").tip("Current selected time-scale will overide scenario time, if this is ticked by user.");
    window.add(ZEPHRA_MEMBER(ChReset), {10920, 10620, 960, 180}, "Reset max").tip("Reset max error when 'Time Scale' changes");
    window.add(ZEPHRA_MEMBER(Chender), {10920, 10815, 960, 180}, "End err %").tip("If the movement error% reaches above this amount, the scenario ends");
    window.add(ZEPHRA_MEMBER(TXender), {11880, 10800, 615, 255}, "5").colours(kYellow, toolkit::kBlack).font(FontKind::SansBold).tip("If the movement error% reaches above this amount, the scenario ends");
}
// clang-format on

// The start values of the boxes, options and bars, and the timers as the window opens.
void setStartValues(FormOrbit& f) {
    for (CheckBox* c :
         {&f.Cosmos[0], &f.Chswitch, &f.CHspinner, &f.ChMinMax, &f.CHfile, &f.ChReset, &f.Chender})
        c->initValue(CheckBox::kTicked);
    f.Chon.initValue(CheckBox::kGreyed);
    f.OptBodies[0].initValue(true);
    f.Optim[3].initValue(true);
    f.HSgrav.initRange(0, 10, 0);
    f.Qui.initRange(1, 2, 1);
    f.Hsp[0].setSteps(15, 300);
    f.Hsp[1].setSteps(15, 300);
    // Only the status timer runs until a scenario starts.
    f.Ti.setInterval(1);
    f.Ti.setEnabled(false);
    f.TiF.setInterval(500);
    f.TiF.setEnabled(false);
    f.Tr.setInterval(15);
    f.Tr.setEnabled(true);
}

}  // namespace

#undef ZEPHRA_MEMBER

void FormOrbit::layOutControls() {
    std::vector<Row> rows;
    const Rows window(*this, rows);
    topLeftCorner(window);
    drawingArea(window);
    scenarioButtons(window);
    bodyData(window);
    displayOptions(window);
    orbitData(window);
    bodyEditor(window);
    physicsOptions(window);
    explanationsAndLinks(window);
    driftTable(window);
    distanceScale(window);
    timeScale(window);
    elapsedTime(window);
    timeScaleChecks(window);
    for (const Row& r : rows) place(*this, r);
    setStartValues(*this);
    clearDirty();
}

}  // namespace zephra
