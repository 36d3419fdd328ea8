#include "batch/RequestOptions.h"

#include <climits>

#include <QCoreApplication>

#include "batch/ChoiceWords.h"
#include "convert/OutputKeeping.h"
#include "lang/MessageTexts.h"
#include "res/ResourceIds.h"
#include "settings/FontRecordConversion.h"

namespace {

// The choices, as the command line names them: those followed by a value, and the switches.
const QStringList kValueOptions = {
    QStringLiteral("--output"),   QStringLiteral("--output-dir"), QStringLiteral("--size"),
    QStringLiteral("--width"),    QStringLiteral("--height"),     QStringLiteral("--fit"),
    QStringLiteral("--rotate"),   QStringLiteral("--flip"),       QStringLiteral("--frame"),
    QStringLiteral("--text"),     QStringLiteral("--position"),   QStringLiteral("--margin"),
    QStringLiteral("--font"),     QStringLiteral("--color"),      QStringLiteral("--metadata"),
    QStringLiteral("--file-date"), QStringLiteral("--dpi"),       QStringLiteral("--name"),
    QStringLiteral("--background"), QStringLiteral("--png")};
const QStringList kSwitches = {QStringLiteral("--overwrite"), QStringLiteral("--quiet"),
                               QStringLiteral("--no-auto-orient"), QStringLiteral("--no-enlarge"),
                               QStringLiteral("--recursive"), QStringLiteral("--beside-photos")};
// What a preset does not keep: a run's photos and their frame, its one output file, and how the
// command line itself behaves.
const QStringList kNotKept = {QStringLiteral("--output"), QStringLiteral("--frame"), QStringLiteral("--quiet"),
                              QStringLiteral("--no-auto-orient"), QStringLiteral("--recursive")};
const QStringList kSizeOptions = {QStringLiteral("--size"), QStringLiteral("--width"), QStringLiteral("--height"),
                                  QStringLiteral("--fit")};
// Where the outputs go: one of them replaces a preset's other.
const QStringList kOutputOptions = {QStringLiteral("--output"), QStringLiteral("--output-dir"),
                                    QStringLiteral("--beside-photos")};

// The widest margin taken in pixels; larger ones leave no room on any picture the limit allows.
constexpr int kMaxMarginPixels = 100000;

UsageError Own(const QString& text)
{
    return UsageError{0, text};
}

std::optional<int> PositiveNumber(const QString& text)
{
    const auto n = ParseWholeNumber(text);
    if (!n || *n <= 0)
        return std::nullopt;
    return n;
}

std::optional<int> NonNegativeNumber(const QString& text)
{
    const auto n = ParseWholeNumber(text);
    if (!n || *n < 0)
        return std::nullopt;
    return n;
}

// "none", "horizontal" or "vertical", as the window's flip buttons number them.
std::optional<int> FlipNamed(const QString& name)
{
    if (name == QLatin1String("none"))
        return 0;
    if (name == QLatin1String("horizontal"))
        return 1;
    if (name == QLatin1String("vertical"))
        return 2;
    return std::nullopt;
}

// "N" pixels or "N%" of what the length is a share of, N a whole number from 1 (0 with zero)
// to most.
std::optional<CaptionLength> LengthNamed(const QString& text, int most, bool zero)
{
    const bool percent = text.endsWith(u'%');
    const auto n = ParseWholeNumber(percent ? text.chopped(1) : text);
    if (!n || *n < (zero ? 0 : 1) || *n > (percent ? 100 : most))
        return std::nullopt;
    return CaptionLength{static_cast<double>(*n), percent};
}

// FAMILY,SIZE[,bold][,italic] into style, SIZE in pixels or N% of the output's height; the family
// may itself hold commas, so it is read from the right.
bool FontNamed(const QString& text, CaptionStyle& style)
{
    QStringList parts = text.split(u',');
    style.bold = style.italic = false;
    while (parts.size() > 2 && (parts.last() == QLatin1String("bold") || parts.last() == QLatin1String("italic"))) {
        (parts.last() == QLatin1String("bold") ? style.bold : style.italic) = true;
        parts.removeLast();
    }
    if (parts.size() < 2)
        return false;
    const auto size = LengthNamed(parts.takeLast(), kMaxFontPixels, false);
    const QString family = parts.join(u',').trimmed();
    // An empty family is the system's face.
    if (!size || family.size() > kFaceNameChars)
        return false;
    style.size = *size;
    style.family = family;
    return true;
}

std::optional<QColor> ColourNamed(const QString& text)
{
    static const QString kDigits = QStringLiteral("0123456789abcdefABCDEF");
    if (text.size() != 7 || text[0] != u'#')
        return std::nullopt;
    for (qsizetype i = 1; i < 7; ++i) {
        if (!kDigits.contains(text[i]))
            return std::nullopt;
    }
    return QColor(text);
}

// "N" or "N%" as --margin and --font take it.
QString LengthText(const CaptionLength& length)
{
    return QString::number(static_cast<int>(length.value)) + (length.percent ? QStringLiteral("%") : QString());
}

}  // namespace

QString UsageText(const UsageError& error)
{
    return error.messageId ? MessageTexts::Current().Get(error.messageId) : error.text;
}

bool RequestReader::TakesValue(const QString& name)
{
    return kValueOptions.contains(name);
}

bool RequestReader::IsSwitch(const QString& name)
{
    return kSwitches.contains(name);
}

bool RequestReader::Kept(const QString& name)
{
    return (TakesValue(name) || IsSwitch(name)) && !kNotKept.contains(name);
}

bool RequestReader::Fail(UsageError error)
{
    error_ = std::move(error);
    return false;
}

void RequestReader::Replace(const QString& name)
{
    if (inPreset_) {
        presetSize_ = presetSize_ || kSizeOptions.contains(name);
        presetOutput_ = presetOutput_ || kOutputOptions.contains(name);
        return;
    }
    if (presetSize_ && kSizeOptions.contains(name)) {
        r_.width.reset();
        r_.height.reset();
        r_.fit = false;
        sizeGiven_ = sideGiven_ = fitGiven_ = presetSize_ = false;
    }
    if (presetOutput_ && kOutputOptions.contains(name)) {
        r_.outputFolder.clear();
        r_.besidePhotos = false;
        presetOutput_ = false;
    }
}

bool RequestReader::Apply(const RequestOption& option)
{
    const QString& name = option.name;
    if (IsSwitch(name)) {
        if (option.value)
            return Fail(Own(QCoreApplication::translate("CommandLine", "option '%1' doesn't allow an argument").arg(name)));
        Replace(name);
        if (name == QLatin1String("--overwrite"))
            r_.overwrite = true;
        else if (name == QLatin1String("--quiet"))
            r_.quiet = true;
        else if (name == QLatin1String("--no-auto-orient"))
            r_.autoOrient = false;
        else if (name == QLatin1String("--no-enlarge"))
            r_.noEnlarge = true;
        else if (name == QLatin1String("--recursive"))
            r_.recursive = true;
        else if (name == QLatin1String("--beside-photos"))
            r_.besidePhotos = true;
        return true;
    }
    if (!TakesValue(name))
        return Fail(Own(QCoreApplication::translate("CommandLine", "unrecognized option '%1'").arg(name)));
    if (!option.value)
        return Fail(Own(QCoreApplication::translate("CommandLine", "option '%1' requires an argument").arg(name)));
    Replace(name);
    return ApplyValue(name, *option.value);
}

bool RequestReader::ApplyPreset(const QList<RequestOption>& options)
{
    inPreset_ = true;
    bool applied = true;
    for (const RequestOption& option : options) {
        if (!Kept(option.name)) {
            applied = Fail(Own(QCoreApplication::translate("CommandLine", "unrecognized option '%1'").arg(option.name)));
            break;
        }
        if (!(applied = Apply(option)))
            break;
    }
    inPreset_ = false;
    return applied && Check();
}

bool RequestReader::ApplyValue(const QString& name, const QString& value)
{
    if ((name == QLatin1String("--output") || name == QLatin1String("--output-dir")) && value.isEmpty())
        return Fail(Own(QCoreApplication::translate("CommandLine", "option '%1' needs a name").arg(name)));
    if (name == QLatin1String("--output")) {
        // The file holds PNG data whatever its name says; a name saying otherwise misleads.
        if (!value.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
            return Fail(Own(QCoreApplication::translate("CommandLine", "'%1' does not end in .png: the output is a PNG picture").arg(value)));
        r_.outputFile = value;
    } else if (name == QLatin1String("--output-dir")) {
        r_.outputFolder = value;
    } else if (name == QLatin1String("--size") || name == QLatin1String("--fit")) {
        const qsizetype x = value.indexOf(u'x');
        if (!(r_.width = PositiveNumber(x < 0 ? value : value.left(x))))
            return Fail(IDS_STRING111);
        if (x < 0 || !(r_.height = PositiveNumber(value.mid(x + 1))))
            return Fail(IDS_STRING112);
        (name == QLatin1String("--fit") ? fitGiven_ : sizeGiven_) = true;
        r_.fit = fitGiven_;
    } else if (name == QLatin1String("--width")) {
        if (!(r_.width = PositiveNumber(value)))
            return Fail(IDS_STRING111);
        sideGiven_ = true;
    } else if (name == QLatin1String("--height")) {
        if (!(r_.height = PositiveNumber(value)))
            return Fail(IDS_STRING112);
        sideGiven_ = true;
    } else if (name == QLatin1String("--rotate")) {
        const auto angle = ParseWholeNumber(value);
        if (!angle || (*angle != 0 && *angle != 90 && *angle != 180 && *angle != 270))
            return Fail(IDS_STRING116);
        r_.rotate = *angle;
    } else if (name == QLatin1String("--flip")) {
        const auto flip = FlipNamed(value);
        if (!flip)
            return Fail(Own(QCoreApplication::translate("CommandLine", "unknown flip '%1': use none, horizontal or vertical").arg(value)));
        r_.flip = *flip;
    } else if (name == QLatin1String("--frame")) {
        if (!(r_.frame = NonNegativeNumber(value)))
            return Fail(IDS_STRING121);
    } else if (name == QLatin1String("--text")) {
        r_.text = value;
    } else if (name == QLatin1String("--position")) {
        return Position(value);
    } else if (name == QLatin1String("--margin")) {
        const auto margin = LengthNamed(value, kMaxMarginPixels, true);
        if (!margin)
            return Fail(Own(QCoreApplication::translate("CommandLine", "invalid margin '%1': use N pixels or N% of the shorter side").arg(value)));
        r_.caption.margin = *margin;
    } else if (name == QLatin1String("--font")) {
        if (!FontNamed(value, r_.caption))
            return Fail(Own(QCoreApplication::translate("CommandLine", "invalid font '%1': use FAMILY,SIZE[,bold][,italic], SIZE in "
                                                        "pixels (at most %3) or N% of the output's height, with at most %2 characters")
                                .arg(value).arg(kFaceNameChars).arg(kMaxFontPixels)));
    } else if (name == QLatin1String("--metadata")) {
        const auto choice = DetailsChoiceNamed(value);
        if (!choice)
            return Fail(Own(QCoreApplication::translate("CommandLine", "unknown details '%1': use none, no-location or all").arg(value)));
        r_.details = *choice;
    } else if (name == QLatin1String("--file-date")) {
        if (value != QLatin1String("taken") && value != QLatin1String("now"))
            return Fail(Own(QCoreApplication::translate("CommandLine", "unknown file date '%1': use taken or now").arg(value)));
        r_.dateAsTaken = value == QLatin1String("taken");
    } else if (name == QLatin1String("--dpi")) {
        const auto dpi = PositiveNumber(value);
        if (!dpi || *dpi > kMaxDpi)
            return Fail(Own(QCoreApplication::translate("CommandLine", "invalid resolution '%1': use a whole number of dots per inch from 1 to %2")
                                .arg(value).arg(kMaxDpi)));
        r_.dpi = dpi;
    } else if (name == QLatin1String("--name")) {
        if (const auto problem = NamingPatternProblem(value))
            return Fail(Own(*problem));
        r_.namingPattern = value;
    } else if (name == QLatin1String("--color")) {
        const auto colour = ColourNamed(value);
        if (!colour)
            return Fail(Own(QCoreApplication::translate("CommandLine", "invalid color '%1': use #RRGGBB").arg(value)));
        r_.caption.colour = *colour;
    } else if (name == QLatin1String("--background")) {
        const auto colour = ColourNamed(value);
        if (!colour)
            return Fail(Own(QCoreApplication::translate("CommandLine", "invalid background '%1': use #RRGGBB").arg(value)));
        r_.background = colour->rgb();
    } else if (name == QLatin1String("--png")) {
        const auto effort = PngEffortNamed(value);
        if (!effort)
            return Fail(Own(QCoreApplication::translate("CommandLine", "unknown PNG effort '%1': use fast, normal or smallest").arg(value)));
        r_.png = *effort;
    }
    return true;
}

// X,Y or one of the nine place words.
bool RequestReader::Position(const QString& value)
{
    const CaptionPlace place = CaptionPlaceOfWord(value);
    if (place != CaptionPlace::AtPoint) {
        r_.caption.place = place;
        return true;
    }
    const QStringList xy = value.split(u',');
    const auto x = xy.size() == 2 ? NonNegativeNumber(xy[0]) : std::nullopt;
    if (!x)
        return Fail(xy.size() == 1 && !ParseWholeNumber(value)
                        ? Own(QCoreApplication::translate("CommandLine", "invalid position '%1': use X,Y or one of top-left, top, "
                                                          "top-right, left, center, right, bottom-left, bottom, bottom-right").arg(value))
                        : UsageError{IDS_STRING123, {}});
    const auto y = NonNegativeNumber(xy[1]);
    if (!y)
        return Fail(IDS_STRING124);
    r_.caption.place = CaptionPlace::AtPoint;
    r_.caption.x = *x;
    r_.caption.y = *y;
    return true;
}

bool RequestReader::Check()
{
    if (sizeGiven_ && sideGiven_)
        return Fail(Own(QCoreApplication::translate("CommandLine", "--size cannot be combined with --width or --height")));
    if (fitGiven_ && (sizeGiven_ || sideGiven_))
        return Fail(Own(QCoreApplication::translate("CommandLine", "--fit cannot be combined with --size, --width or --height")));
    if (!r_.outputFile.isEmpty() && !r_.outputFolder.isEmpty())
        return Fail(Own(QCoreApplication::translate("CommandLine", "--output and --output-dir cannot be combined")));
    if (r_.besidePhotos && (!r_.outputFile.isEmpty() || !r_.outputFolder.isEmpty()))
        return Fail(Own(QCoreApplication::translate("CommandLine", "--beside-photos cannot be combined with %1: it writes each output next to its own photo")
                            .arg(r_.outputFile.isEmpty() ? QStringLiteral("--output-dir") : QStringLiteral("--output"))));
    if (!r_.outputFile.isEmpty() && r_.photos.size() > 1)
        return Fail(Own(QCoreApplication::translate("CommandLine", "--output names one file: use --output-dir for several photos")));
    return true;
}

QList<RequestOption> PresetOptionsOf(const ConversionRequest& r)
{
    QList<RequestOption> options;
    const auto add = [&options](const char* name, const QString& value) {
        options.append({QLatin1String(name), value});
    };
    const auto number = [](int value) { return QString::number(value); };
    if (r.fit && r.width && r.height)
        add("--fit", number(*r.width) + u'x' + number(*r.height));
    else if (r.width && r.height)
        add("--size", number(*r.width) + u'x' + number(*r.height));
    else if (r.width)
        add("--width", number(*r.width));
    else if (r.height)
        add("--height", number(*r.height));
    if (r.noEnlarge)
        options.append({QStringLiteral("--no-enlarge"), std::nullopt});
    add("--rotate", number(r.rotate));
    add("--flip", r.flip == 1 ? QStringLiteral("horizontal") : r.flip == 2 ? QStringLiteral("vertical") : QStringLiteral("none"));
    if (!r.text.isEmpty()) {
        const CaptionStyle& c = r.caption;
        add("--text", r.text);
        add("--position", c.place == CaptionPlace::AtPoint ? number(c.x) + u',' + number(c.y) : CaptionPlaceWord(c.place));
        add("--margin", LengthText(c.margin));
        add("--font", c.family + u',' + LengthText(c.size) + (c.bold ? QStringLiteral(",bold") : QString()) +
                          (c.italic ? QStringLiteral(",italic") : QString()));
        add("--color", c.colour.name(QColor::HexRgb).toUpper());
    }
    add("--metadata", DetailsChoiceWord(r.details));
    add("--file-date", r.dateAsTaken ? QStringLiteral("taken") : QStringLiteral("now"));
    if (r.dpi)
        add("--dpi", number(*r.dpi));
    add("--name", r.namingPattern);
    // Left out at their defaults, so that presets kept before they existed list as they did.
    if ((r.background & 0xFFFFFF) != 0)
        add("--background", QColor(r.background).name(QColor::HexRgb).toUpper());
    if (r.png != platform::PngEffort::Normal)
        add("--png", PngEffortWord(r.png));
    if (r.besidePhotos)
        options.append({QStringLiteral("--beside-photos"), std::nullopt});
    else if (!r.outputFolder.isEmpty())
        add("--output-dir", r.outputFolder);
    if (r.overwrite)
        options.append({QStringLiteral("--overwrite"), std::nullopt});
    return options;
}

std::optional<int> ParseWholeNumber(const QString& text)
{
    const bool negative = text.startsWith(u'-');
    const QString digits = negative ? text.mid(1) : text;
    if (digits.isEmpty() || digits.size() > 10)
        return std::nullopt;
    long long value = 0;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    if (negative)
        value = -value;
    if (value < INT_MIN || value > INT_MAX)
        return std::nullopt;
    return static_cast<int>(value);
}

