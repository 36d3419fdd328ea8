#include "app/cli/UsageText.h"

#include <QCoreApplication>

QString HelpText()
{
    return QCoreApplication::translate("CommandLine",
        "Usage: pictorelle [PHOTO]...\n"
        "  or:  pictorelle --convert PHOTO... [OPTION]...\n"
        "Turn a photo into a 24-bit PNG picture of any size, turned, flipped and with a line of text.\n"
        "\n"
        "Without --convert the window opens, with PHOTO open in it when one is named; several\n"
        "photos open in the Convert Several Photos window.\n"
        "With --convert each PHOTO is converted without a window; the other photos still convert\n"
        "when one fails.\n"
        "\n"
        "Output:\n"
        "      --output FILE        write the PNG to FILE, a name ending in .png (one photo\n"
        "                           only)\n"
        "      --output-dir DIR     write NAME_out.png into DIR for each photo NAME.EXT\n"
        "                           (default: the output folder the window proposes)\n"
        "  -r, --recursive          a PHOTO that is a folder stands for its photos and those\n"
        "                           of its subfolders (links to folders are not followed);\n"
        "                           each keeps its place below it in the output folder\n"
        "      --overwrite          replace outputs that already exist (without it, an\n"
        "                           output already there is kept and its photo not\n"
        "                           converted, which is no failure)\n"
        "Size (default: the photo's own):\n"
        "      --size WxH           exactly W x H pixels\n"
        "      --width W            W pixels wide, the height keeping the aspect ratio\n"
        "      --height H           H pixels high, the width keeping the aspect ratio\n"
        "      --fit WxH            within W x H pixels, keeping the aspect ratio\n"
        "      --no-enlarge         with a size, a photo already within it keeps its own\n"
        "Picture:\n"
        "      --rotate ANGLE       0, 90, 180 or 270 degrees clockwise (default 0)\n"
        "                           (the photo turns and flips first, then takes its size and text)\n"
        "      --flip WAY           none, horizontal or vertical (default none)\n"
        "      --frame N            frame N (from 0) of an animation, or page N of a document\n"
        "      --no-auto-orient     keep the pixels as stored, not turned upright by the\n"
        "                           orientation the camera recorded\n"
        "Text line:\n"
        "      --text TEXT          draw one line of TEXT\n"
        "      --position X,Y       its top-left corner on the output (default 0,0)\n"
        "      --font FAMILY,PIXELS[,bold][,italic]\n"
        "                           its font (default: the window's last font)\n"
        "      --color #RRGGBB      its colour (default: the window's last colour)\n"
        "Other:\n"
        "      --quiet              print nothing but errors (no warnings, no progress)\n"
        "      --help               show this help and exit\n"
        "      --version            show the version and exit\n"
        "  --                       end of options: what follows are photos\n"
        "\n"
        "Messages name the file they concern and speak the language of the locale (LANGUAGE,\n"
        "LC_ALL, LC_MESSAGES, LANG; English for C and POSIX).\n"
        "\n"
        "Exit status: 0 when every photo converted, 1 when some failed, 2 for a wrong command line,\n"
        "128 + the signal after SIGINT, SIGTERM or SIGHUP (130, 143, 129), which stop the batch\n"
        "leaving no partial file.\n"
        "Examples, the photos of a folder and its subfolders for the web:\n"
        "  pictorelle --convert -r photos --output-dir out --fit 1920x1920 --no-enlarge\n"
        "every JPEG of a folder on two cores:\n"
        "  find photos -name '*.jpg' -print0 | xargs -0 -n 50 -P 2 pictorelle --convert --quiet \\\n"
        "      --output-dir out --width 1920 --\n");
}

QString VersionText()
{
    return QStringLiteral("pictorelle " PICTORELLE_VERSION "\n");
}
