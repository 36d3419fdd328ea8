#include "app/cli/CommandLine.h"

#include <QCoreApplication>

#include "batch/Presets.h"

namespace {

UsageError Own(const QString& text)
{
    return UsageError{0, text};
}

QString OptionName(const QString& arg)
{
    const qsizetype eq = arg.indexOf(u'=');
    return eq < 0 ? arg : arg.left(eq);
}

// The options that are the command line's own rather than a batch's choices.
const QString kConvert = QStringLiteral("--convert");
const QString kPreset = QStringLiteral("--preset");
const QString kSavePreset = QStringLiteral("--save-preset");
const QString kListPresets = QStringLiteral("--list-presets");

// Reads the options and photos of a --convert (or --save-preset) command line.
class ConvertParser {
public:
    ConvertParser(const QStringList& arguments, const PresetLookup& presets) : args_(arguments), presets_(presets) {}

    CommandLine Parse()
    {
        CommandLine result;
        result.mode = CommandLine::Mode::Convert;
        bool optionsEnded = false;
        ConversionRequest& r = reader_.Request();
        for (i_ = 0; i_ < args_.size(); ++i_) {
            const QString& arg = args_[i_];
            if (optionsEnded || !arg.startsWith(u'-') || arg == QLatin1String("-")) {
                r.photos << arg;
                continue;
            }
            if (arg == QLatin1String("-r")) {
                r.recursive = true;
                continue;
            }
            // "-w" is no photo: a photo named so follows "--".
            if (!arg.startsWith(QLatin1String("--"))) {
                Fail(Own(QCoreApplication::translate("CommandLine", "unrecognized option '%1'").arg(arg)));
                return Failed();
            }
            if (arg == QLatin1String("--")) {
                optionsEnded = true;
                continue;
            }
            if (arg == QLatin1String("--help") || arg == QLatin1String("--version")) {
                result.mode = arg == QLatin1String("--help") ? CommandLine::Mode::Help : CommandLine::Mode::Version;
                return result;
            }
            if (!Option(arg))
                return Failed();
        }
        if (!Check())
            return Failed();
        result.request = r;
        result.savePreset = savePreset_;
        if (r.photos.isEmpty())
            result.mode = CommandLine::Mode::SavePreset;
        return result;
    }

private:
    CommandLine Failed() const
    {
        CommandLine result;
        result.mode = CommandLine::Mode::Invalid;
        result.error = error_;
        return result;
    }

    bool Fail(UsageError error)
    {
        error_ = std::move(error);
        return false;
    }

    // The value of the option at i_: after its '=', or the next argument.
    std::optional<QString> Value(const QString& name, const std::optional<QString>& inlineValue)
    {
        if (inlineValue)
            return inlineValue;
        if (i_ + 1 >= args_.size()) {
            Fail(Own(QCoreApplication::translate("CommandLine", "option '%1' requires an argument").arg(name)));
            return std::nullopt;
        }
        return args_[++i_];
    }

    bool Option(const QString& arg)
    {
        const QString name = OptionName(arg);
        const std::optional<QString> inlineValue =
            name.size() == arg.size() ? std::nullopt : std::optional<QString>(arg.mid(name.size() + 1));
        if (name == kConvert) {
            convert_ = true;
            return !inlineValue || Fail(Own(QCoreApplication::translate("CommandLine", "option '%1' doesn't allow an argument").arg(name)));
        }
        if (name == kPreset || name == kSavePreset) {
            const auto value = Value(name, inlineValue);
            return value && (name == kPreset ? TakePreset(*value) : KeepAs(*value));
        }
        if (RequestReader::IsSwitch(name))
            return reader_.Apply({name, inlineValue}) || Fail(reader_.Error());
        if (!RequestReader::TakesValue(name))
            return Fail(Own(QCoreApplication::translate("CommandLine", "unrecognized option '%1'").arg(arg)));
        const auto value = Value(name, inlineValue);
        return value && (reader_.Apply({name, *value}) || Fail(reader_.Error()));
    }

    bool TakePreset(const QString& name)
    {
        if (!presets_)
            return true;
        QString why;
        const std::optional<QList<RequestOption>> options = presets_(name, why);
        if (!options)
            return Fail(Own(why));
        return reader_.ApplyPreset(*options) || Fail(reader_.Error());
    }

    bool KeepAs(const QString& name)
    {
        if (const auto problem = PresetNameProblem(name))
            return Fail(Own(*problem));
        savePreset_ = name;
        return true;
    }

    bool Check()
    {
        const ConversionRequest& r = reader_.Request();
        if (r.photos.isEmpty() && savePreset_.isEmpty())
            return Fail(Own(QCoreApplication::translate("CommandLine", "no photo to convert")));
        if (!r.photos.isEmpty() && !convert_)
            return Fail(Own(QCoreApplication::translate("CommandLine", "photos are converted with --convert: add it")));
        return reader_.Check() || Fail(reader_.Error());
    }

    const QStringList& args_;
    const PresetLookup& presets_;
    qsizetype i_ = 0;
    RequestReader reader_;
    UsageError error_;
    QString savePreset_;
    bool convert_ = false;
};

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments, const PresetLookup& presets)
{
    for (qsizetype i = 0; i < arguments.size() && arguments[i] != QLatin1String("--"); ++i) {
        const QString& arg = arguments[i];
        if (arg == QLatin1String("--help"))
            return CommandLine{CommandLine::Mode::Help, {}, {}, {}};
        if (arg == QLatin1String("--version"))
            return CommandLine{CommandLine::Mode::Version, {}, {}, {}};
        if (arg == kListPresets)
            return CommandLine{CommandLine::Mode::ListPresets, {}, {}, {}};
    }
    for (qsizetype i = 0; i < arguments.size() && arguments[i] != QLatin1String("--"); ++i) {
        const QString name = OptionName(arguments[i]);
        if (name == kConvert || name == kSavePreset)
            return ConvertParser(arguments, presets).Parse();
    }
    // The window would ignore them: a width meant for a conversion must not open a window.
    for (qsizetype i = 0; i < arguments.size() && arguments[i] != QLatin1String("--"); ++i) {
        const QString name = OptionName(arguments[i]);
        if (RequestReader::TakesValue(name) || RequestReader::IsSwitch(name) || name == QLatin1String("-r") ||
            name == kPreset) {
            CommandLine line;
            line.mode = CommandLine::Mode::Invalid;
            line.error = Own(QCoreApplication::translate("CommandLine", "option '%1' converts without a window: add --convert").arg(name));
            return line;
        }
    }
    return {};
}
