#include "app/help/instruction_pictures.h"

#include <QCoreApplication>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

namespace app {
namespace {

// A name stands between „ and “ (Serbian) or between “ and ” (English).
constexpr QChar kLowOpenQuote(0x201E); // „
constexpr QChar kOpenQuote(0x201C);    // “, also the Serbian closing quote
constexpr QChar kCloseQuote(0x201D);   // ”

// The next name in paragraph from at: the positions of its opening and closing quotes, or -1 and
// -1 when no whole name follows.
std::pair<qsizetype, qsizetype> NextName(const QString& paragraph, qsizetype at) {
    const qsizetype low = paragraph.indexOf(kLowOpenQuote, at);
    const qsizetype high = paragraph.indexOf(kOpenQuote, at);
    const bool serbian = low >= 0 && (high < 0 || low < high);
    const qsizetype open = serbian ? low : high;
    const qsizetype close =
        open < 0 ? -1 : paragraph.indexOf(serbian ? kOpenQuote : kCloseQuote, open + 1);
    return close < 0 ? std::pair<qsizetype, qsizetype>{-1, -1} : std::pair{open, close};
}

// ---------------------------------------------------------------------------------------------
// Instruction text

constexpr int kPanelPadding = 12;     // px, between the frame and the text
constexpr int kFirstLineIndent = 20;  // px
constexpr int kParagraphSpacing = 5;  // px, below each paragraph
constexpr int kLargestTextSize = 15;  // px, the text is set as large as the panel allows
constexpr int kSmallestTextSize = 10; // px

QFont SerifFont(int pixelSize) {
    QFont font;
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                      QStringLiteral("DejaVu Serif")});
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(pixelSize);
    return font;
}

// Lays the paragraphs out at the given width; names between „ and “ in bold italic.
void FillInstructionDocument(QTextDocument& document, int pixelSize, int width) {
    document.clear();
    document.setDocumentMargin(0);
    document.setDefaultFont(SerifFont(pixelSize));
    document.setTextWidth(width);

    QTextBlockFormat block;
    block.setAlignment(Qt::AlignJustify);
    block.setTextIndent(kFirstLineIndent);
    block.setBottomMargin(kParagraphSpacing);
    QTextCharFormat plain;
    plain.setForeground(Qt::black);
    QTextCharFormat name = plain;
    name.setFontWeight(QFont::Bold);
    name.setFontItalic(true);

    QTextCursor cursor(&document);
    bool first = true;
    for (const QString& paragraph : InstructionParagraphs()) {
        if (first) {
            cursor.setBlockFormat(block);
            first = false;
        } else {
            cursor.insertBlock(block);
        }
        qsizetype at = 0;
        while (at < paragraph.size()) {
            const auto [open, close] = NextName(paragraph, at);
            if (open < 0) {
                cursor.insertText(paragraph.mid(at), plain);
                break;
            }
            cursor.insertText(paragraph.mid(at, open + 1 - at), plain);
            cursor.insertText(paragraph.mid(open + 1, close - open - 1), name);
            cursor.insertText(QString(paragraph.at(close)), plain);
            at = close + 1;
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Illustration: a small parallel projection of the cutter and the block, shaded by one light.

struct Vec3 {
    double x;
    double y;
    double z;
};

Vec3 operator+(Vec3 a, Vec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
Vec3 operator-(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
Vec3 operator*(double k, Vec3 a) {
    return {k * a.x, k * a.y, k * a.z};
}
double Dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
Vec3 Normalized(Vec3 a) {
    return (1.0 / std::sqrt(Dot(a, a))) * a;
}

// Model axes: x along the feed, y along the cutter's axis (the width of the block), z up.
// The camera turns by the yaw about z and looks down by the pitch; scale is pixels per model
// unit and origin the pixel of the model's origin.
class ParallelView {
public:
    ParallelView(double yawDeg, double pitchDeg, double scale, QPointF origin)
        : origin_(origin), scale_(scale) {
        const double yaw = yawDeg * std::numbers::pi / 180.0;
        const double pitch = pitchDeg * std::numbers::pi / 180.0;
        right_ = {std::cos(yaw), -std::sin(yaw), 0.0};
        forward_ = {std::sin(yaw) * std::cos(pitch), std::cos(yaw) * std::cos(pitch),
                    -std::sin(pitch)};
        up_ = {std::sin(yaw) * std::sin(pitch), std::cos(yaw) * std::sin(pitch), std::cos(pitch)};
    }
    QPointF Project(Vec3 p) const {
        return origin_ + scale_ * QPointF(Dot(p, right_), -Dot(p, up_));
    }
    Vec3 Forward() const { return forward_; }
    // A surface with this outward normal faces the camera.
    bool Faces(Vec3 normal) const { return Dot(normal, forward_) < 0.0; }

private:
    QPointF origin_;
    double scale_;
    Vec3 right_{};
    Vec3 up_{};
    Vec3 forward_{};
};

const Vec3 kLight = Normalized({-0.55, -0.75, 0.9}); // toward the light: upper left, front

// Grey of a surface with the given normal, by one light and some ambient light; brightness
// darkens (below 1) or lightens (above 1) the result.
QColor Shade(Vec3 normal, double brightness) {
    const double lambert = std::max(0.0, Dot(normal, kLight));
    const int level =
        std::clamp(static_cast<int>(std::lround((95.0 + 150.0 * lambert) * brightness)), 0, 255);
    return QColor(level, level, level);
}

// Block and cutter sizes in model units (one unit is one pixel at the drawing's scale).
constexpr double kBlockLength = 190.0; // along the feed, centred on the cutter
constexpr double kBlockWidth = 110.0;  // along the cutter's axis: the width of milling
constexpr double kBlockHeight = 52.0;
constexpr double kCutterRadius = 44.0;
constexpr double kCutterOverhang = 14.0; // beyond each side of the block
constexpr double kBoreRadius = 14.0;
constexpr int kTeeth = 8;
constexpr double kHelixDeg = 30.0;
constexpr double kGulletShare = 0.28; // of one tooth pitch, behind each cutting edge
constexpr double kGulletDepth = 7.0;

constexpr double kCutterNear = -kCutterOverhang;
constexpr double kCutterFar = kBlockWidth + kCutterOverhang;
const double kPitch = 2.0 * std::numbers::pi / kTeeth;
const double kHelixTan = std::tan(kHelixDeg * std::numbers::pi / 180.0);

// Angle of tooth k's cutting edge at axial position y, from the top of the cutter toward +x.
double EdgeAngle(int k, double y) {
    return 0.35 + k * kPitch + (y - kCutterNear) * kHelixTan / kCutterRadius;
}

// Share of a tooth pitch (0 .. 1) by which the angle theta lies behind the nearest edge.
double BehindEdge(double theta, double y) {
    const double u = (EdgeAngle(0, y) - theta) / kPitch;
    return u - std::floor(u);
}

Vec3 OnCutter(double theta, double y, double radius) {
    return {radius * std::sin(theta), y, kCutterRadius + radius * std::cos(theta)};
}

Vec3 CutterNormal(double theta) {
    return {std::sin(theta), 0.0, std::cos(theta)};
}

void DrawFace(QPainter& painter, const ParallelView& view, const std::vector<Vec3>& corners,
              const QColor& fill) {
    QPolygonF polygon;
    for (const Vec3& c : corners) {
        polygon << view.Project(c);
    }
    painter.setPen(QPen(fill.darker(160), 1.0));
    painter.setBrush(fill);
    painter.drawPolygon(polygon);
}

void DrawBlock(QPainter& painter, const ParallelView& view) {
    const double x0 = -kBlockLength / 2.0;
    const double x1 = kBlockLength / 2.0;
    const double w = kBlockWidth;
    const double h = -kBlockHeight;
    struct Face {
        Vec3 normal;
        std::vector<Vec3> corners;
    };
    const std::vector<Face> faces = {
        {{0, 0, 1}, {{x0, 0, 0}, {x1, 0, 0}, {x1, w, 0}, {x0, w, 0}}},
        {{0, -1, 0}, {{x0, 0, 0}, {x1, 0, 0}, {x1, 0, h}, {x0, 0, h}}},
        {{0, 1, 0}, {{x0, w, 0}, {x1, w, 0}, {x1, w, h}, {x0, w, h}}},
        {{-1, 0, 0}, {{x0, 0, 0}, {x0, w, 0}, {x0, w, h}, {x0, 0, h}}},
        {{1, 0, 0}, {{x1, 0, 0}, {x1, w, 0}, {x1, w, h}, {x1, 0, h}}},
    };
    for (const Face& face : faces) {
        if (view.Faces(face.normal)) {
            DrawFace(painter, view, face.corners, Shade(face.normal, 1.0));
        }
    }
    // Feed marks on the part of the top face the cutter has already machined.
    painter.setPen(QPen(QColor(0, 0, 0, 28), 1.0));
    for (double x = x0 + 6.0; x < -kCutterRadius * 0.2; x += 7.0) {
        painter.drawLine(view.Project({x, 1.0, 0.0}), view.Project({x, w - 1.0, 0.0}));
    }
}

void DrawCutterBody(QPainter& painter, const ParallelView& view) {
    constexpr int kAround = 240;
    constexpr int kAlong = 48;
    const double dTheta = 2.0 * std::numbers::pi / kAround;
    const double dY = (kCutterFar - kCutterNear) / kAlong;
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i < kAround; ++i) {
        const double theta = i * dTheta;
        const Vec3 normal = CutterNormal(theta + dTheta / 2.0);
        if (!view.Faces(normal)) {
            continue;
        }
        for (int j = 0; j < kAlong; ++j) {
            const double y = kCutterNear + j * dY;
            const double behind = BehindEdge(theta + dTheta / 2.0, y + dY / 2.0);
            double brightness = 1.0;
            if (behind < kGulletShare) {
                brightness = 0.62 + 0.25 * behind / kGulletShare; // the gullet, in shadow
            } else if (behind > 0.93) {
                brightness = 1.12; // the land just ahead of the next edge catches the light
            }
            const QColor colour = Shade(normal, brightness);
            const QPolygonF patch{view.Project(OnCutter(theta, y, kCutterRadius)),
                                  view.Project(OnCutter(theta + dTheta, y, kCutterRadius)),
                                  view.Project(OnCutter(theta + dTheta, y + dY, kCutterRadius)),
                                  view.Project(OnCutter(theta, y + dY, kCutterRadius))};
            painter.setPen(QPen(colour, 1.0));
            painter.setBrush(colour);
            painter.drawPolygon(patch);
        }
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
}

// The visible stretches of tooth k's cutting edge along the cylinder.
std::vector<QPolygonF> EdgeStretches(const ParallelView& view, int k) {
    std::vector<QPolygonF> stretches;
    QPolygonF current;
    constexpr int kSamples = 120;
    for (int j = 0; j <= kSamples; ++j) {
        const double y = kCutterNear + (kCutterFar - kCutterNear) * j / kSamples;
        const double theta = EdgeAngle(k, y);
        if (view.Faces(CutterNormal(theta))) {
            current << view.Project(OnCutter(theta, y, kCutterRadius));
        } else if (!current.isEmpty()) {
            stretches.push_back(current);
            current.clear();
        }
    }
    if (!current.isEmpty()) {
        stretches.push_back(current);
    }
    return stretches;
}

void DrawCuttingEdges(QPainter& painter, const ParallelView& view) {
    painter.setBrush(Qt::NoBrush);
    for (int k = 0; k < kTeeth; ++k) {
        for (const QPolygonF& stretch : EdgeStretches(view, k)) {
            painter.setPen(QPen(QColor(40, 40, 40), 1.3));
            painter.drawPolyline(stretch);
        }
    }
}

// Radius of the end face's outline: full on the lands, cut in by the gullets.
double EndOutlineRadius(double theta) {
    const double behind = BehindEdge(theta, kCutterNear);
    if (behind >= kGulletShare) {
        return kCutterRadius;
    }
    // A rounded gullet, deepest in its middle.
    const double s = std::sin(std::numbers::pi * behind / kGulletShare);
    return kCutterRadius - kGulletDepth * std::sqrt(s);
}

void DrawCutterEnd(QPainter& painter, const ParallelView& view) {
    const Vec3 endNormal{0.0, -1.0, 0.0};
    if (!view.Faces(endNormal)) {
        return;
    }
    constexpr int kSamples = 720;
    QPainterPath face;
    QPolygonF outline;
    for (int i = 0; i < kSamples; ++i) {
        const double theta = 2.0 * std::numbers::pi * i / kSamples;
        outline << view.Project(OnCutter(theta, kCutterNear, EndOutlineRadius(theta)));
    }
    face.addPolygon(outline);
    face.closeSubpath();
    auto ring = [&](double radius) {
        QPolygonF circle;
        for (int i = 0; i < 180; ++i) {
            circle << view.Project(OnCutter(2.0 * std::numbers::pi * i / 180, kCutterNear, radius));
        }
        return circle;
    };
    // Through the notches of the gullets one sees into the shaded flutes.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(78, 78, 78));
    painter.drawPolygon(ring(kCutterRadius));
    painter.setPen(QPen(QColor(45, 45, 45), 1.0));
    painter.setBrush(Shade(endNormal, 1.05));
    painter.drawPath(face);

    // A raised hub ring, the bore and its keyway.
    painter.setPen(QPen(QColor(120, 120, 120), 1.0));
    painter.setBrush(Shade(endNormal, 1.15));
    painter.drawPolygon(ring(kBoreRadius + 9.0));

    QPainterPath bore;
    bore.addPolygon(ring(kBoreRadius));
    bore.closeSubpath();
    const double key = 4.0;
    QPolygonF keyway{view.Project({-key, kCutterNear, kCutterRadius + kBoreRadius - 1.0}),
                     view.Project({-key, kCutterNear, kCutterRadius + kBoreRadius + 5.0}),
                     view.Project({key, kCutterNear, kCutterRadius + kBoreRadius + 5.0}),
                     view.Project({key, kCutterNear, kCutterRadius + kBoreRadius - 1.0})};
    QPainterPath keyPath;
    keyPath.addPolygon(keyway);
    keyPath.closeSubpath();
    bore = bore.united(keyPath);
    painter.setPen(QPen(QColor(30, 30, 30), 1.0));
    painter.setBrush(QColor(58, 60, 66));
    painter.drawPath(bore);
}

// Drawn under the annotation lines, so that they read on dark and light surfaces alike.
const QColor kHalo(255, 255, 255, 140);

void DrawArrowHead(QPainter& painter, QPointF tip, QPointF from) {
    const QPointF d = tip - from;
    const double length = std::hypot(d.x(), d.y());
    if (length == 0.0) {
        return;
    }
    const QPointF u = d / length;
    const QPointF n(-u.y(), u.x());
    constexpr double kLength = 8.0;
    constexpr double kHalfWidth = 2.8;
    painter.setBrush(Qt::black);
    painter.setPen(Qt::NoPen);
    painter.drawPolygon(
        QPolygonF{tip, tip - kLength * u + kHalfWidth * n, tip - kLength * u - kHalfWidth * n});
}

// A pale yellow box with the text, and a leader from the box to the target with a dot.
void DrawCallout(QPainter& painter, const QRectF& box, const QString& text, QPointF leaderFrom,
                 QPointF target) {
    painter.setPen(QPen(Qt::black, 1.0));
    painter.drawLine(leaderFrom, target);
    painter.setBrush(Qt::black);
    painter.drawEllipse(target, 2.0, 2.0);

    painter.setPen(QPen(Qt::black, 1.0));
    painter.setBrush(QColor::fromRgb(kPaleYellow));
    painter.drawRoundedRect(box, 4.0, 4.0);
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(13);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(box, Qt::AlignCenter, text);
}

// The helix angle on one tooth: a line along the cutter's axis from a point of the cutting
// edge, and an arc from that line to the edge, both in the cylinder's tangent plane there.
QPointF DrawHelixAngle(QPainter& painter, const ParallelView& view) {
    // The tooth whose edge, three tenths of the way along the cutter, faces the camera most
    // directly; the arc opens toward the far end.
    const double y = kCutterNear + 0.3 * (kCutterFar - kCutterNear);
    const double facing = std::atan2(-view.Forward().x, -view.Forward().z);
    int tooth = 0;
    double best = 10.0;
    for (int k = 0; k < kTeeth; ++k) {
        const double off = std::remainder(EdgeAngle(k, y) - facing, 2.0 * std::numbers::pi);
        if (std::abs(off) < best) {
            best = std::abs(off);
            tooth = k;
        }
    }
    const double theta = EdgeAngle(tooth, y);
    const Vec3 point = OnCutter(theta, y, kCutterRadius);
    const Vec3 axis{0.0, 1.0, 0.0};
    const Vec3 edge = Normalized({std::cos(theta) * kHelixTan, 1.0, -std::sin(theta) * kHelixTan});

    // Emphasise this tooth's edge.
    painter.setBrush(Qt::NoBrush);
    for (const QPolygonF& stretch : EdgeStretches(view, tooth)) {
        painter.setPen(QPen(Qt::black, 2.2, Qt::SolidLine, Qt::RoundCap));
        painter.drawPolyline(stretch);
    }

    constexpr double kAxisLine = 92.0;
    const QPointF axisFrom = view.Project(point - 10.0 * axis);
    const QPointF axisTo = view.Project(point + kAxisLine * axis);
    painter.setPen(QPen(kHalo, 3.0));
    painter.drawLine(axisFrom, axisTo);
    painter.setPen(QPen(Qt::black, 1.2, Qt::DashLine));
    painter.drawLine(axisFrom, axisTo);

    constexpr double kArcRadius = 72.0;
    const double helix = kHelixDeg * std::numbers::pi / 180.0;
    // Unit vector in the tangent plane perpendicular to the axis, on the edge's side.
    const Vec3 across = Normalized(edge - Dot(edge, axis) * axis);
    QPolygonF arc;
    constexpr int kSteps = 24;
    for (int i = 0; i <= kSteps; ++i) {
        const double t = helix * i / kSteps;
        arc << view.Project(point + kArcRadius * (std::cos(t) * axis + std::sin(t) * across));
    }
    painter.setPen(QPen(kHalo, 4.0));
    painter.drawPolyline(arc);
    painter.setPen(QPen(Qt::black, 1.4));
    painter.drawPolyline(arc);
    DrawArrowHead(painter, arc.last(), arc[kSteps - 3]);
    DrawArrowHead(painter, arc.first(), arc[3]);
    return arc[kSteps / 2];
}

// The width of milling: a dimension line across the block's top face near its uncut end,
// its arrows touching the two long edges. Returns the middle of the dimension line.
QPointF DrawWidthDimension(QPainter& painter, const ParallelView& view) {
    const double x = kBlockLength / 2.0 - 24.0;
    const QPointF a = view.Project({x, 0.0, 0.0});
    const QPointF b = view.Project({x, kBlockWidth, 0.0});
    painter.setPen(QPen(Qt::black, 1.2));
    painter.drawLine(a, b);
    DrawArrowHead(painter, a, b);
    DrawArrowHead(painter, b, a);
    return (a + b) / 2.0;
}

} // namespace

std::array<QString, 7> InstructionParagraphs() {
    static constexpr std::array<const char*, 7> kSources = {
        QT_TRANSLATE_NOOP("app::Instructions",
                          "Program modeluje komponente otpora rezanja pri obimnom glodanju ravnih "
                          "površina, i to za istosmerno i za suprotnosmerno glodanje."),
        QT_TRANSLATE_NOOP("app::Instructions",
                          "Korisnik unosi režim rezanja i geometriju alata u polja prozora "
                          "(„Prečnik glodala“, „Broj zuba“, „Brzina rezanja“, „Dubina“, "
                          "„Širina“ i druga), bira „Materijal alata“ i „Materijal obratka“ i "
                          "pritiska dugme „Proces“."),
        QT_TRANSLATE_NOOP(
            "app::Instructions",
            "Na slici se animira proces glodanja, a oscilograf istovremeno prikazuje "
            "debljinu strugotine (plava linija), glavni otpor rezanja (zelena linija) i "
            "srednji glavni otpor rezanja za jedan obrt glodala (žuta linija). Razmera "
            "dijagrama menja se u poljima „Maksimalna sila“ i „Maksimalna debljina“."),
        QT_TRANSLATE_NOOP(
            "app::Instructions",
            "Animacija čuva stvarni odnos prečnika glodala i dubine rezanja: nacrtani "
            "prečnik glodala je uvek isti, a menja se nacrtana dubina rezanja."),
        QT_TRANSLATE_NOOP("app::Instructions",
                          "Dugmetom „Pauza“ modelovanje se zaustavlja, a dugmetom „Proces“ se "
                          "nastavlja."),
        QT_TRANSLATE_NOOP("app::Instructions",
                          "Dugme „Polazno stanje“ vraća animaciju u početni položaj."),
        QT_TRANSLATE_NOOP(
            "app::Instructions",
            "Bilo koji deo oscilografa može se uvećati više puta: pritisnite levo dugme "
            "miša u gornjem levom uglu dela koji želite da uvećate, povucite miša "
            "udesno i naniže i otpustite dugme. Ponavljanjem postupka slika se dalje "
            "uvećava. Povlačenjem miša sa pritisnutim levim dugmetom ulevo i naviše "
            "vraća se početna razmera."),
    };
    std::array<QString, 7> paragraphs;
    std::transform(kSources.begin(), kSources.end(), paragraphs.begin(), [](const char* source) {
        return QCoreApplication::translate("app::Instructions", source);
    });
    return paragraphs;
}

QImage DrawInstructionText() {
    QImage image(kInstructionTextSize, QImage::Format_RGB32);
    image.fill(kPaleYellow);

    const QRect panel(QPoint(0, 0), kInstructionTextVisible);
    const QRect text =
        panel.adjusted(kPanelPadding, kPanelPadding - 2, -kPanelPadding, -kPanelPadding);
    QTextDocument document;
    int size = kLargestTextSize;
    for (; size > kSmallestTextSize; --size) {
        FillInstructionDocument(document, size, text.width());
        if (document.size().height() <= text.height()) {
            break;
        }
    }
    FillInstructionDocument(document, size, text.width());

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    // Spread what height is left between the top and the bottom margin.
    const double spare = std::max(0.0, text.height() - document.size().height());
    painter.translate(text.left(), text.top() + spare / 2.0);
    document.drawContents(&painter);
    painter.resetTransform();

    // One-pixel frame on the edges of the visible part.
    painter.fillRect(QRect(panel.left(), panel.top(), panel.width(), 1), Qt::black);
    painter.fillRect(QRect(panel.left(), panel.bottom(), panel.width(), 1), Qt::black);
    painter.fillRect(QRect(panel.left(), panel.top(), 1, panel.height()), Qt::black);
    painter.fillRect(QRect(panel.right(), panel.top(), 1, panel.height()), Qt::black);
    return image;
}

QImage DrawHelixIllustration() {
    QImage image(kIllustrationSize, QImage::Format_RGB32);
    image.fill(QColor(212, 222, 232));

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const ParallelView view(-58.0, 24.0, 1.2, QPointF(86.0, 212.0));

    DrawBlock(painter, view);
    DrawCutterBody(painter, view);
    DrawCuttingEdges(painter, view);
    DrawCutterEnd(painter, view);
    const QPointF arcMiddle = DrawHelixAngle(painter, view);
    const QPointF widthMiddle = DrawWidthDimension(painter, view);

    const QRectF helixBox(112.0, 22.0, 150.0, 26.0);
    DrawCallout(painter, helixBox,
                QCoreApplication::translate("app::Instructions", "Ugao nagiba sečiva"),
                QPointF(helixBox.left() + 24.0, helixBox.bottom()), arcMiddle);
    const QRectF widthBox(166.0, 330.0, 124.0, 26.0);
    DrawCallout(painter, widthBox,
                QCoreApplication::translate("app::Instructions", "Širina glodanja"),
                QPointF(widthBox.center().x(), widthBox.top()), widthMiddle);
    return image;
}

} // namespace app
