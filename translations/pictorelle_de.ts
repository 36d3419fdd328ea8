<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>COrvanelDlg</name>
    <message>
        <source>Convert Several Photos...</source>
        <translation>Mehrere Fotos umwandeln...</translation>
    </message>
    <message>
        <source>Keep Photo Details</source>
        <translation>Fotodetails behalten</translation>
    </message>
</context>
<context>
    <name>CaptionBox</name>
    <message>
        <source>Caption</source>
        <translation>Beschriftung</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Text:</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>% of the height</source>
        <translation>% der Höhe</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>Size unit</source>
        <translation>Größeneinheit</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <source>At X, Y</source>
        <translation>Bei X, Y</translation>
    </message>
    <message>
        <source>&amp;Margin:</source>
        <translation>Abstand &amp;vom Rand:</translation>
    </message>
    <message>
        <source>% of the shorter side</source>
        <translation>% der kürzeren Seite</translation>
    </message>
    <message>
        <source>Margin unit</source>
        <translation>Einheit des Abstands</translation>
    </message>
    <message>
        <source>&amp;X:</source>
        <translation>&amp;X:</translation>
    </message>
    <message>
        <source>&amp;Y:</source>
        <translation>&amp;Y:</translation>
    </message>
    <message>
        <source>Text X</source>
        <translation>Text X</translation>
    </message>
    <message>
        <source>Text Y</source>
        <translation>Text Y</translation>
    </message>
    <message>
        <source>, bold</source>
        <translation>, fett</translation>
    </message>
    <message>
        <source>, italic</source>
        <translation>, kursiv</translation>
    </message>
    <message>
        <source>Caption font: %1</source>
        <translation>Schriftart der Beschriftung: %1</translation>
    </message>
    <message>
        <source>Font &amp;&amp; colo&amp;ur...</source>
        <translation>S&amp;chriftart &amp;&amp; Farbe...</translation>
    </message>
    <message>
        <source>Text hei&amp;ght:</source>
        <translation>Schr&amp;iftgröße:</translation>
    </message>
    <message>
        <source>Place:</source>
        <translation>Position:</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>the imaging library could not start</source>
        <translation>die Bildbibliothek konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>Try &apos;pictorelle --help&apos; for more information.</source>
        <translation>Weitere Informationen erhalten Sie mit „pictorelle --help“.</translation>
    </message>
    <message>
        <source>the text cannot be drawn: no font is installed</source>
        <translation>der Text kann nicht gezeichnet werden: Es ist keine Schriftart installiert</translation>
    </message>
    <message>
        <source>interrupted; the photos not yet saved were not converted</source>
        <translation>unterbrochen; die noch nicht gespeicherten Fotos wurden nicht umgewandelt</translation>
    </message>
    <message>
        <source>file exists; use --overwrite to replace it</source>
        <translation>Datei bereits vorhanden; mit --overwrite wird sie ersetzt</translation>
    </message>
    <message>
        <source>an output of %1 x %2 pixels is above the limit of %3 pixels</source>
        <translation>eine Ausgabedatei von %1 x %2 Pixeln liegt über der Grenze von %3 Pixeln</translation>
    </message>
    <message>
        <source>its colour profile is unusable; its colours are taken as sRGB</source>
        <translation>sein Farbprofil ist unbrauchbar; seine Farben werden als sRGB interpretiert</translation>
    </message>
    <message>
        <source>not converted: its output %1 is the output of another photo of this run</source>
        <translation>nicht umgewandelt: seine Ausgabedatei %1 ist bereits die Ausgabedatei eines anderen Fotos dieses Durchlaufs</translation>
    </message>
    <message>
        <source>skipped: not a regular file</source>
        <translation>übersprungen: keine reguläre Datei</translation>
    </message>
    <message>
        <source>unrecognized option &apos;%1&apos;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; requires an argument</source>
        <translation>Option „%1“ verlangt ein Argument</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; doesn&apos;t allow an argument</source>
        <translation>Option „%1“ erlaubt kein Argument</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a name</source>
        <translation>Option „%1“ braucht einen Namen</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not end in .png: the output is a PNG picture</source>
        <translation>„%1“ endet nicht auf .png: die Ausgabedatei ist ein PNG-Bild</translation>
    </message>
    <message>
        <source>unknown flip &apos;%1&apos;: use none, horizontal or vertical</source>
        <translation>unbekannte Spiegelung „%1“: Verwenden Sie none, horizontal oder vertical</translation>
    </message>
    <message>
        <source>invalid color &apos;%1&apos;: use #RRGGBB</source>
        <translation>ungültige Farbe „%1“: Verwenden Sie #RRGGBB</translation>
    </message>
    <message>
        <source>no photo to convert</source>
        <translation>kein Foto zum Umwandeln</translation>
    </message>
    <message>
        <source>--size cannot be combined with --width or --height</source>
        <translation>--size kann nicht mit --width oder --height kombiniert werden</translation>
    </message>
    <message>
        <source>--fit cannot be combined with --size, --width or --height</source>
        <translation>--fit kann nicht mit --size, --width oder --height kombiniert werden</translation>
    </message>
    <message>
        <source>--output and --output-dir cannot be combined</source>
        <translation>--output und --output-dir können nicht kombiniert werden</translation>
    </message>
    <message>
        <source>--output names one file: use --output-dir for several photos</source>
        <translation>--output nennt eine Datei: Verwenden Sie für mehrere Fotos --output-dir</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; converts without a window: add --convert</source>
        <translation>Option „%1“ gilt nur für die Umwandlung ohne Fenster: Fügen Sie --convert hinzu</translation>
    </message>
    <message>
        <source>no such folder</source>
        <translation>Ordner nicht vorhanden</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>kein Ordner</translation>
    </message>
    <message>
        <source>the folder cannot be written to: %1</source>
        <translation>in den Ordner kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>not a photo: no format Pictorelle reads</source>
        <translation>kein Foto: kein Format, das Pictorelle liest</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, noch %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <source>the height that keeps the aspect ratio of %1 x %2 at width %3 is %4 pixels</source>
        <translation>die Höhe, die das Seitenverhältnis von %1 x %2 bei Breite %3 wahrt, ist %4 Pixel</translation>
    </message>
    <message>
        <source>the width that keeps the aspect ratio of %1 x %2 at height %3 is %4 pixels</source>
        <translation>die Breite, die das Seitenverhältnis von %1 x %2 bei Höhe %3 wahrt, ist %4 Pixel</translation>
    </message>
    <message>
        <source>there is no frame %1: the photo has only frame 0</source>
        <translation>es gibt kein Einzelbild %1: das Foto hat nur Einzelbild 0</translation>
    </message>
    <message>
        <source>there is no frame %1: the photo has frames 0 to %2</source>
        <translation>es gibt kein Einzelbild %1: das Foto hat die Einzelbilder 0 bis %2</translation>
    </message>
    <message>
        <source>its name is longer than the %1 bytes a file name may have</source>
        <translation>sein Name ist länger als die %1 Bytes, die ein Dateiname haben darf</translation>
    </message>
    <message>
        <source>the path is longer than the %1 characters this program takes</source>
        <translation>der Pfad ist länger als die %1 Zeichen, die dieses Programm annimmt</translation>
    </message>
    <message>
        <source>damaged: its data ends early</source>
        <translation>beschädigt: seine Daten enden zu früh</translation>
    </message>
    <message>
        <source>damaged: its header does not match its data</source>
        <translation>beschädigt: sein Dateikopf passt nicht zu seinen Daten</translation>
    </message>
    <message>
        <source>too large: its header gives %1 x %2 pixels, over the limit of %3 pixels</source>
        <translation>zu groß: sein Dateikopf gibt %1 x %2 Pixel an, mehr als die Grenze von %3 Pixeln</translation>
    </message>
    <message>
        <source>an output of this run, not converted again</source>
        <translation>eine Ausgabedatei dieses Durchlaufs, nicht erneut umgewandelt</translation>
    </message>
    <message>
        <source>made the output folder %1</source>
        <translation>Ausgabeordner %1 angelegt</translation>
    </message>
    <message>
        <source>%1 kept: it exists already; --overwrite replaces it</source>
        <translation>%1 übersprungen: die Datei ist bereits vorhanden; mit --overwrite wird sie ersetzt</translation>
    </message>
    <message>
        <source>a file is in the way</source>
        <translation>an dieser Stelle gibt es bereits eine gleichnamige Datei</translation>
    </message>
    <message>
        <source>the folder cannot be made: %1</source>
        <translation>der Ordner kann nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>invalid margin &apos;%1&apos;: use N pixels or N% of the shorter side</source>
        <translation>ungültiger Abstand „%1“: Verwenden Sie N Pixel oder N% der kürzeren Seite</translation>
    </message>
    <message>
        <source>invalid font &apos;%1&apos;: use FAMILY,SIZE[,bold][,italic], SIZE in pixels (at most %3) or N% of the output&apos;s height, with at most %2 characters</source>
        <translation>ungültige Schriftart „%1“: Verwenden Sie FAMILIE,GRÖSSE[,bold][,italic], GRÖSSE in Pixeln (höchstens %3) oder N% der Bildhöhe, mit höchstens %2 Zeichen</translation>
    </message>
    <message>
        <source>invalid position &apos;%1&apos;: use X,Y or one of top-left, top, top-right, left, center, right, bottom-left, bottom, bottom-right</source>
        <translation>ungültige Position „%1“: Verwenden Sie X,Y oder eines von top-left, top, top-right, left, center, right, bottom-left, bottom, bottom-right</translation>
    </message>
    <message>
        <source>the caption cannot be drawn: it does not fit on a picture of %1 x %2 pixels even at %3 pixels high</source>
        <translation>die Beschriftung kann nicht gezeichnet werden: sie passt selbst bei %3 Pixeln Höhe nicht auf ein Bild von %1 x %2 Pixeln</translation>
    </message>
    <message>
        <source>the caption is drawn %1 pixels high instead of %2, to fit on the picture</source>
        <translation>die Beschriftung wird %1 Pixel statt %2 hoch gezeichnet, damit sie auf das Bild passt</translation>
    </message>
    <message>
        <source>no space left on the device</source>
        <translation>kein Platz mehr auf dem Datenträger</translation>
    </message>
    <message>
        <source>over the file size limit</source>
        <translation>Dateigrößenbeschränkung überschritten</translation>
    </message>
    <message>
        <source>over the disk quota</source>
        <translation>Speicherkontingent überschritten</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>the file system is read-only</source>
        <translation>das Dateisystem ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>der Name ist zu lang</translation>
    </message>
    <message>
        <source>an input/output error</source>
        <translation>ein Ein-/Ausgabefehler</translation>
    </message>
    <message>
        <source>damaged: part of its data cannot be decoded</source>
        <translation>beschädigt: ein Teil seiner Daten lässt sich nicht dekodieren</translation>
    </message>
    <message>
        <source>damaged: %1</source>
        <translation>beschädigt: %1</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>the file changed while it was read</source>
        <translation>die Datei wurde geändert, während sie gelesen wurde</translation>
    </message>
    <message>
        <source>its EXIF orientation is none of 1 to 8; its pixels are kept as stored</source>
        <translation>seine EXIF-Ausrichtung ist keiner der Werte 1 bis 8; seine Pixel bleiben, wie sie gespeichert sind</translation>
    </message>
    <message>
        <source>its image data goes on after the last row; the rest was ignored</source>
        <translation>seine Bilddaten gehen nach der letzten Zeile weiter; der Rest wurde übergangen</translation>
    </message>
    <message>
        <source>unknown details &apos;%1&apos;: use none, no-location or all</source>
        <translation>unbekannte Details „%1“: Verwenden Sie none, no-location oder all</translation>
    </message>
    <message>
        <source>unknown file date &apos;%1&apos;: use taken or now</source>
        <translation>unbekanntes Dateidatum „%1“: Verwenden Sie taken oder now</translation>
    </message>
    <message>
        <source>invalid resolution &apos;%1&apos;: use a whole number of dots per inch from 1 to %2</source>
        <translation>ungültige Auflösung „%1“: Verwenden Sie eine ganze Zahl von Punkten pro Zoll von 1 bis %2</translation>
    </message>
    <message>
        <source>it says nowhere when it was taken; its output is dated when written</source>
        <translation>es gibt nirgends an, wann es aufgenommen wurde; seine Ausgabedatei trägt die Schreibzeit</translation>
    </message>
    <message>
        <source>its details (EXIF, XMP, IPTC) are damaged or too large and were left out</source>
        <translation>seine Details (EXIF, XMP, IPTC) sind beschädigt oder zu groß und wurden weggelassen</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%n converted</source>
        <translation>
            <numerusform>%n umgewandelt</numerusform>
            <numerusform>%n umgewandelt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n kept because their outputs exist</source>
        <translation>
            <numerusform>%n übersprungen (Ausgabedatei vorhanden)</numerusform>
            <numerusform>%n übersprungen (Ausgabedateien vorhanden)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n fehlgeschlagen</numerusform>
            <numerusform>%n fehlgeschlagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n times)</source>
        <translation>
            <numerusform>%1 (%n-mal)</numerusform>
            <numerusform>%1 (%n-mal)</numerusform>
        </translation>
    </message>
    <message>
        <source>photos are converted with --convert: add it</source>
        <translation>Fotos werden mit --convert umgewandelt: fügen Sie es hinzu</translation>
    </message>
    <message>
        <source>no preset is named &apos;%1&apos;: --list-presets lists them</source>
        <translation>keine Voreinstellung heißt „%1“: --list-presets listet sie auf</translation>
    </message>
    <message>
        <source>the preset &apos;%1&apos; could not be kept: the settings cannot be written</source>
        <translation>die Voreinstellung „%1“ konnte nicht behalten werden: die Einstellungen lassen sich nicht schreiben</translation>
    </message>
    <message>
        <source>the naming pattern gives it no name</source>
        <translation>das Benennungsmuster gibt ihm keinen Namen</translation>
    </message>
    <message>
        <source>the naming pattern is empty</source>
        <translation>das Benennungsmuster ist leer</translation>
    </message>
    <message>
        <source>a name cannot hold &apos;/&apos;: outputs are named, not placed, by the pattern</source>
        <translation>ein Name kann kein „/“ enthalten: das Muster benennt die Ausgabedateien, es legt sie nicht ab</translation>
    </message>
    <message>
        <source>unknown token &apos;%1&apos;: use {name}, {ext}, {date}, {time}, {n}, {n:4}, {folder}, {width} or {height}</source>
        <translation>unbekannter Platzhalter „%1“: {name}, {ext}, {date}, {time}, {n}, {n:4}, {folder}, {width} oder {height} verwenden</translation>
    </message>
    <message>
        <source>a &apos;}&apos; in the naming pattern closes no token</source>
        <translation>eine „}“ im Benennungsmuster schließt keinen Platzhalter</translation>
    </message>
    <message>
        <source>the preset &apos;%1&apos; ([%2] in the settings) is damaged and was skipped: %3</source>
        <translation>die Voreinstellung „%1“ ([%2] in den Einstellungen) ist beschädigt und wurde übersprungen: %3</translation>
    </message>
    <message>
        <source>a preset needs a name</source>
        <translation>eine Voreinstellung braucht einen Namen</translation>
    </message>
    <message>
        <source>a preset&apos;s name has at most %1 characters</source>
        <translation>der Name einer Voreinstellung hat höchstens %1 Zeichen</translation>
    </message>
    <message>
        <source>Usage: pictorelle [PHOTO]...
  or:  pictorelle --convert PHOTO... [OPTION]...
  or:  pictorelle --save-preset NAME [OPTION]...  |  --list-presets
Turn a photo into a 24-bit PNG picture of any size, turned, flipped and with a
line of text.

Without --convert the window opens, with PHOTO open in it when one is named;
several photos open in the Convert Several Photos window. With --convert each
PHOTO is converted without a window; the other photos still convert when one
fails.

Output:
      --output FILE        write the PNG to FILE, a name ending in .png (one
                           photo only)
      --output-dir DIR     write NAME_out.png into DIR for each photo NAME.EXT
                           (default: the output folder the window proposes)
      --beside-photos      write each output in its photo&apos;s own folder instead
                           (not with --output or --output-dir)
  -r, --recursive          a PHOTO that is a folder stands for its photos and
                           those of its subfolders (links to folders are not
                           followed); each keeps its place below it in the
                           output folder
      --overwrite          replace outputs that already exist (without it, an
                           output already there is kept and its photo not
                           converted, which is no failure)
      --name PATTERN       name each output by PATTERN (.png added): {name},
                           {ext}, {folder}, {date} and {time} (when the photo
                           was taken, else when its file was written), {n} (its
                           place in the run; {n:3} gives 001), {width}, {height}
                           (default {name}_out)
      --png EFFORT         fast, normal (default) or smallest: a larger file
                           sooner, or a smaller one in many times the time
Size (default: the photo&apos;s own):
      --size WxH           exactly W x H pixels
      --width W            W pixels wide, the height keeping the aspect ratio
      --height H           H pixels high, the width keeping the aspect ratio
      --fit WxH            within W x H pixels, keeping the aspect ratio
      --no-enlarge         with a size, a photo already within it keeps its own
Picture:
      --rotate ANGLE       0, 90, 180 or 270 degrees clockwise (default 0); the
                           photo turns and flips first, then takes its size and
                           text
      --flip WAY           none, horizontal or vertical (default none)
      --frame N            frame N (from 0) of an animation, or page N of a
                           document
      --no-auto-orient     keep the pixels as stored, not turned upright by the
                           orientation the camera recorded
      --background COLOR   lay transparent pixels on COLOR, #RRGGBB, before the
                           caption is drawn (default #000000)
Caption:
      --text TEXT          draw one line of TEXT, upright on the output
      --position PLACE     top-left, top, top-right, left, center, right,
                           bottom-left, bottom or bottom-right, --margin from
                           the edges; or X,Y: its top-left corner (default 0,0)
      --margin N|N%        N pixels, or N% of the output&apos;s shorter side (default
                           2%)
      --font FAMILY,SIZE[,bold][,italic]
                           SIZE in pixels, or N% of the output&apos;s height
                           (default: the system&apos;s face at 4%); a caption too
                           wide is drawn smaller, with a warning, and never cut
      --color #RRGGBB      its colour (default #000000)
Details (default: none kept):
      --metadata WHICH     keep the photo&apos;s EXIF and XMP in the PNG: none,
                           no-location (its date, camera and author, not where
                           it was taken) or all (the colours stay sRGB)
      --file-date WHEN     taken: date each output when its photo was taken; now
                           (default): when it is written
      --dpi N              give the PNG N dots per inch (default: the photo&apos;s
                           own, 96 when it gives none)
Presets (kept in the settings; two are shipped):
      --preset NAME        start from the preset&apos;s choices; an option after it
                           replaces one of them
      --save-preset NAME   keep this command line&apos;s choices (not its photos) as
                           NAME; without a photo, convert nothing
      --list-presets       list the presets with their choices and exit
Other:
      --quiet              print nothing but errors (no warnings, no progress)
      --help               show this help and exit
      --version            show the version and exit
  --                       end of options: what follows are photos

Messages name the file they concern and speak the language of the locale
(LANGUAGE, LC_ALL, LC_MESSAGES, LANG; English for C and POSIX).

Exit status: 0 when every photo converted, 1 when some failed, 2 for a wrong
command line, 128 + the signal after SIGINT, SIGTERM or SIGHUP (130, 143, 129),
which stop the batch leaving no partial file.
Examples, the photos of a folder and its subfolders for the web:
  pictorelle --convert -r photos --output-dir out --fit 1920x1920 --no-enlarge
captioned in the bottom-right corner:
  pictorelle --convert *.jpg --output-dir out --width 1600 \
      --text &apos;Summer 2026&apos; --position bottom-right --font &apos;DejaVu Sans,5%&apos; \
      --color &apos;#FFFFFF&apos;
every JPEG of a folder on two cores:
  find photos -name &apos;*.jpg&apos; -print0 | xargs -0 -n 50 -P 2 pictorelle --convert \
      --quiet --output-dir out --width 1920 --
</source>
        <translation>Aufruf: pictorelle [FOTO]...
  oder: pictorelle --convert FOTO... [OPTION]...
  oder: pictorelle --save-preset NAME [OPTION]...  |  --list-presets
Macht aus einem Foto ein 24-Bit-PNG-Bild beliebiger Größe, gedreht, gespiegelt
und mit einer Textzeile.

Ohne --convert öffnet sich das Fenster, mit FOTO darin, wenn eines genannt ist;
mehrere Fotos öffnen sich im Fenster „Mehrere Fotos umwandeln“. Mit --convert
wird jedes FOTO ohne Fenster umgewandelt; die anderen Fotos werden auch dann
umgewandelt, wenn eines fehlschlägt.

Ausgabe:
      --output DATEI       das PNG in DATEI schreiben, einen Namen auf .png (nur
                           ein Foto)
      --output-dir ORDNER  für jedes Foto NAME.ENDUNG NAME_out.png in ORDNER
                           schreiben (Vorgabe: der Ausgabeordner, den das
                           Fenster vorschlägt)
      --beside-photos      jede Ausgabedatei stattdessen in den Ordner ihres
                           Fotos schreiben (nicht mit --output oder
                           --output-dir)
  -r, --recursive          ein FOTO, das ein Ordner ist, steht für seine Fotos
                           und die seiner Unterordner (Verknüpfungen auf Ordner
                           werden nicht verfolgt); jedes behält seinen Platz
                           darunter im Ausgabeordner
      --overwrite          vorhandene Ausgabedateien ersetzen (ohne diese Option
                           wird ein Foto mit vorhandener Ausgabedatei
                           übersprungen, was kein Fehler ist)
      --name MUSTER        jede Ausgabedatei nach MUSTER benennen (.png wird
                           angehängt): {name}, {ext}, {folder}, {date} und
                           {time} (Aufnahmezeit, sonst Schreibzeit der Datei),
                           {n} (Platz im Lauf; {n:3} ergibt 001), {width},
                           {height} (Vorgabe {name}_out)
      --png AUFWAND        fast, normal (Vorgabe) oder smallest: eine größere
                           Datei in kürzerer Zeit oder eine kleinere in einem
                           Vielfachen der Zeit
Größe (Vorgabe: die des Fotos):
      --size BxH           genau B x H Pixel
      --width B            B Pixel breit, die Höhe wahrt das Seitenverhältnis
      --height H           H Pixel hoch, die Breite wahrt das Seitenverhältnis
      --fit BxH            innerhalb von B x H Pixeln, das Seitenverhältnis
                           gewahrt
      --no-enlarge         mit einer Größe behält ein Foto, das schon
                           hineinpasst, seine eigene
Bild:
      --rotate WINKEL      0, 90, 180 oder 270 Grad im Uhrzeigersinn (Vorgabe 0)
                           (das Foto wird zuerst gedreht und gespiegelt, dann
                           skaliert und beschriftet)
      --flip ART           none, horizontal oder vertical (Vorgabe none)
      --frame N            Bild N (ab 0) einer Animation oder Seite N eines
                           Dokuments
      --no-auto-orient     die Pixel wie gespeichert lassen, nicht nach der von
                           der Kamera aufgezeichneten Ausrichtung aufrichten
      --background FARBE   transparente Pixel auf FARBE (#RRGGBB) legen, bevor
                           die Beschriftung gezeichnet wird (Vorgabe #000000)
Beschriftung:
      --text TEXT          eine Zeile TEXT zeichnen, aufrecht auf der Ausgabe
      --position STELLE    top-left, top, top-right, left, center, right,
                           bottom-left, bottom oder bottom-right, mit --margin
                           Abstand von den Rändern; oder X,Y: ihre linke obere
                           Ecke (Vorgabe 0,0)
      --margin N|N%        N Pixel oder N% der kürzeren Seite der Ausgabe
                           (Vorgabe 2%)
      --font FAMILIE,GRÖSSE[,bold][,italic]
                           GRÖSSE in Pixeln oder N% der Höhe der Ausgabe
                           (Vorgabe: die Systemschrift mit 4%); eine zu breite
                           Beschriftung wird mit einer Warnung kleiner
                           gezeichnet, nie abgeschnitten
      --color #RRGGBB      ihre Farbe (Vorgabe #000000)
Details (Vorgabe: keine behalten):
      --metadata WELCHE    EXIF und XMP des Fotos im PNG behalten: none,
                           no-location (Datum, Kamera und Urheber, nicht der
                           Aufnahmeort) oder all (die Farben bleiben sRGB)
      --file-date WANN     taken: jede Ausgabedatei auf die Aufnahmezeit ihres
                           Fotos datieren; now (Vorgabe): auf die Schreibzeit
      --dpi N              dem PNG N Punkte pro Zoll geben (Vorgabe: die des
                           Fotos, 96, wenn es keine angibt)
Voreinstellungen (in den Einstellungen behalten; zwei werden mitgeliefert):
      --preset NAME        mit den Einstellungen der Voreinstellung beginnen;
                           eine Option danach ersetzt eine davon
      --save-preset NAME   die Einstellungen dieser Befehlszeile (ohne Fotos)
                           als NAME behalten; ohne Foto wird nichts umgewandelt
      --list-presets       die Voreinstellungen mit ihren Einstellungen
                           auflisten und beenden
Sonstiges:
      --quiet              nur Fehler ausgeben (keine Warnungen, kein
                           Fortschritt)
      --help               diese Hilfe zeigen und beenden
      --version            die Version zeigen und beenden
  --                       Ende der Optionen: was folgt, sind Fotos

Meldungen nennen die Datei, die sie betreffen, und sprechen die Sprache der
Locale (LANGUAGE, LC_ALL, LC_MESSAGES, LANG; Englisch für C und POSIX).

Rückgabewert: 0, wenn jedes Foto umgewandelt wurde, 1, wenn welche fehlschlugen,
2 bei einer falschen Befehlszeile, 128 + das Signal nach SIGINT, SIGTERM oder
SIGHUP (130, 143, 129), die den Stapel anhalten, ohne eine halbe Datei zu
hinterlassen.
Beispiele, die Fotos eines Ordners und seiner Unterordner fürs Web:
  pictorelle --convert -r photos --output-dir out --fit 1920x1920 --no-enlarge
mit Beschriftung in der rechten unteren Ecke:
  pictorelle --convert *.jpg --output-dir out --width 1600 \
      --text &apos;Summer 2026&apos; --position bottom-right --font &apos;DejaVu Sans,5%&apos; \
      --color &apos;#FFFFFF&apos;
jedes JPEG eines Ordners auf zwei Kernen:
  find photos -name &apos;*.jpg&apos; -print0 | xargs -0 -n 50 -P 2 pictorelle --convert \
      --quiet --output-dir out --width 1920 --
</translation>
    </message>
    <message>
        <source>not converted: its output %1 would replace the photo itself</source>
        <translation>nicht umgewandelt: seine Ausgabedatei %1 würde das Foto selbst ersetzen</translation>
    </message>
    <message>
        <source>invalid background &apos;%1&apos;: use #RRGGBB</source>
        <translation>ungültiger Hintergrund „%1“: Verwenden Sie #RRGGBB</translation>
    </message>
    <message>
        <source>unknown PNG effort &apos;%1&apos;: use fast, normal or smallest</source>
        <translation>unbekannter PNG-Aufwand „%1“: Verwenden Sie fast, normal oder smallest</translation>
    </message>
    <message>
        <source>--beside-photos cannot be combined with %1: it writes each output next to its own photo</source>
        <translation>--beside-photos kann nicht mit %1 kombiniert werden: Es schreibt jede Ausgabedatei neben ihr eigenes Foto</translation>
    </message>
</context>
<context>
    <name>ConvertSeveralWindow</name>
    <message>
        <source>Convert Several Photos</source>
        <translation>Mehrere Fotos umwandeln</translation>
    </message>
    <message>
        <source>Photos to con&amp;vert:</source>
        <translation>Umzu&amp;wandelnde Fotos:</translation>
    </message>
    <message>
        <source>Add &amp;Photos...</source>
        <translation>&amp;Fotos hinzufügen...</translation>
    </message>
    <message>
        <source>Add &amp;Folder...</source>
        <translation>&amp;Ordner hinzufügen...</translation>
    </message>
    <message>
        <source>With its &amp;subfolders</source>
        <translation>Mit seinen &amp;Unterordnern</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>Each photo</source>
        <translation>Jedes Foto</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>Keep the photo&apos;s size</source>
        <translation>Größe des Fotos behalten</translation>
    </message>
    <message>
        <source>Width, the height following</source>
        <translation>Breite, die Höhe folgt</translation>
    </message>
    <message>
        <source>Height, the width following</source>
        <translation>Höhe, die Breite folgt</translation>
    </message>
    <message>
        <source>Fit within, keeping the aspect ratio</source>
        <translation>Einpassen, Seitenverhältnis wahren</translation>
    </message>
    <message>
        <source>Exactly</source>
        <translation>Genau</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Breite:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Höhe:</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>&amp;Never enlarge</source>
        <translation>&amp;Nie vergrößern</translation>
    </message>
    <message>
        <source>Rot&amp;ate:</source>
        <translation>&amp;Drehen:</translation>
    </message>
    <message>
        <source>0°</source>
        <translation>0°</translation>
    </message>
    <message>
        <source>90°</source>
        <translation>90°</translation>
    </message>
    <message>
        <source>180°</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>270°</source>
        <translation>270°</translation>
    </message>
    <message>
        <source>Fl&amp;ip:</source>
        <translation>S&amp;piegeln:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <source>Output fol&amp;der:</source>
        <translation>&amp;Ausgabeordner:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Du&amp;rchsuchen...</translation>
    </message>
    <message>
        <source>Browse for the output folder</source>
        <translation>Nach dem Ausgabeordner suchen</translation>
    </message>
    <message>
        <source>Replace &amp;existing files</source>
        <translation>Vorhandene Dateien er&amp;setzen</translation>
    </message>
    <message>
        <source>%v of %m (%p%)</source>
        <translation>%v von %m (%p%)</translation>
    </message>
    <message>
        <source>Photos done</source>
        <translation>Fertige Fotos</translation>
    </message>
    <message>
        <source>&amp;Open Output Folder</source>
        <translation>Ausgabeordner &amp;öffnen</translation>
    </message>
    <message>
        <source>&amp;Convert All</source>
        <translation>Alle u&amp;mwandeln</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>Fotos hinzufügen</translation>
    </message>
    <message>
        <source>Photo Files</source>
        <translation>Fotodateien</translation>
    </message>
    <message>
        <source>Any Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Ausgabeordner</translation>
    </message>
    <message>
        <source>There is no photo to convert: add photos first.</source>
        <translation>Es gibt kein Foto zum Umwandeln. Fügen Sie zuerst Fotos hinzu.</translation>
    </message>
    <message>
        <source>The output folder %1 cannot be written to: choose another.</source>
        <translation>In den Ausgabeordner %1 kann nicht geschrieben werden. Wählen Sie einen anderen.</translation>
    </message>
    <message>
        <source>No program here opens folders. The converted photos are in %1</source>
        <translation>Es ist kein Programm zum Öffnen von Ordnern vorhanden. Die umgewandelten Fotos befinden sich in %1</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Preview of the selected photo</source>
        <translation>Vorschau des ausgewählten Fotos</translation>
    </message>
    <message>
        <source>None</source>
        <comment>photo details</comment>
        <translation>Keine</translation>
    </message>
    <message>
        <source>All but location</source>
        <translation>Alle außer Aufnahmeort</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>P&amp;hoto details:</source>
        <translation>Fotodetail&amp;s:</translation>
    </message>
    <message>
        <source>The photo&apos;s own</source>
        <translation>Die des Fotos</translation>
    </message>
    <message>
        <source>Dots per inch</source>
        <translation>Punkte pro Zoll</translation>
    </message>
    <message>
        <source>Resolu&amp;tion:</source>
        <translation>A&amp;uflösung:</translation>
    </message>
    <message>
        <source> dpi</source>
        <translation> dpi</translation>
    </message>
    <message>
        <source>Date the files as ta&amp;ken</source>
        <translation>Dateien auf die Aufnahme&amp;zeit datieren</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>Voreinstellung:</translation>
    </message>
    <message>
        <source>Choose a preset</source>
        <translation>Voreinstellung wählen</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Save the choices as a preset</source>
        <translation>Die Einstellungen als Voreinstellung speichern</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete the chosen preset</source>
        <translation>Die gewählte Voreinstellung löschen</translation>
    </message>
    <message>
        <source>Na&amp;me pattern:</source>
        <translation>Namens&amp;muster:</translation>
    </message>
    <message>
        <source>Output name of the selected photo</source>
        <translation>Name der Ausgabedatei des gewählten Fotos</translation>
    </message>
    <message>
        <source>The preset %1 cannot be used: %2</source>
        <translation>Die Voreinstellung %1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>Some choices of the preset %1 are beyond what this window offers and were brought within its range.</source>
        <translation>Einige Einstellungen der Voreinstellung %1 gehen über das hinaus, was dieses Fenster anbietet, und wurden in seinen Bereich gebracht.</translation>
    </message>
    <message>
        <source>Name of the preset:</source>
        <translation>Name der Voreinstellung:</translation>
    </message>
    <message>
        <source>Save Preset</source>
        <translation>Voreinstellung speichern</translation>
    </message>
    <message>
        <source>The preset cannot be saved: %1</source>
        <translation>Die Voreinstellung kann nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>The naming pattern cannot be used: %1</source>
        <translation>Das Benennungsmuster kann nicht verwendet werden: %1</translation>
    </message>
    <message>
        <source>A preset named %1 exists already. Replace it?</source>
        <translation>Es gibt bereits eine Voreinstellung namens %1. Möchten Sie sie ersetzen?</translation>
    </message>
    <message>
        <source>The preset %1 could not be saved.</source>
        <translation>Die Voreinstellung %1 konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Delete the preset %1?</source>
        <translation>Möchten Sie die Voreinstellung %1 löschen?</translation>
    </message>
    <message>
        <source>The preset %1 could not be deleted.</source>
        <translation>Die Voreinstellung %1 konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%n converted</source>
        <translation>
            <numerusform>%n umgewandelt</numerusform>
            <numerusform>%n umgewandelt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n fehlgeschlagen</numerusform>
            <numerusform>%n fehlgeschlagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n kept because they exist</source>
        <translation>
            <numerusform>%n übersprungen (Ausgabedatei vorhanden)</numerusform>
            <numerusform>%n übersprungen (Ausgabedateien vorhanden)</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled: %1, %2, %3, %4</source>
        <translation>Abgebrochen: %1, %2, %3, %4</translation>
    </message>
    <message numerus="yes">
        <source>%n not converted</source>
        <translation>
            <numerusform>%n nicht umgewandelt</numerusform>
            <numerusform>%n nicht umgewandelt</numerusform>
        </translation>
    </message>
    <message>
        <source>These presets cannot be read and are left out of the list:
%1</source>
        <translation>Diese Voreinstellungen können nicht gelesen werden und fehlen in der Liste:
%1</translation>
    </message>
    <message>
        <source>The naming pattern gives this photo no name.</source>
        <translation>Das Benennungsmuster gibt diesem Foto keinen Namen.</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Hintergrund:</translation>
    </message>
    <message>
        <source>Colour...</source>
        <translation>Farbe...</translation>
    </message>
    <message>
        <source>What transparent pixels are laid on, before the caption</source>
        <translation>Worauf transparente Pixel gelegt werden, vor der Beschriftung</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Smallest</source>
        <translation>Am kleinsten</translation>
    </message>
    <message>
        <source>PNG size:</source>
        <translation>PNG-Größe:</translation>
    </message>
    <message>
        <source>Fast: a larger file sooner. Smallest: a smaller file in many times the time.</source>
        <translation>Schnell: eine größere Datei in kürzerer Zeit. Am kleinsten: eine kleinere Datei in einem Vielfachen der Zeit.</translation>
    </message>
    <message>
        <source>Save outputs:</source>
        <translation>Ausgabedateien speichern:</translation>
    </message>
    <message>
        <source>Into this folder</source>
        <translation>In diesen Ordner</translation>
    </message>
    <message>
        <source>Next to each photo</source>
        <translation>Neben jedes Foto</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Background colour: %1</source>
        <translation>Hintergrundfarbe: %1</translation>
    </message>
</context>
<context>
    <name>PhotoListModel</name>
    <message>
        <source>unreadable</source>
        <translation>unlesbar</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>wartet</translation>
    </message>
    <message>
        <source>converting</source>
        <translation>wird umgewandelt</translation>
    </message>
    <message>
        <source>converted</source>
        <translation>umgewandelt</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>kept: its output exists</source>
        <translation>übersprungen (Ausgabedatei vorhanden)</translation>
    </message>
    <message>
        <source>not converted</source>
        <translation>nicht umgewandelt</translation>
    </message>
    <message>
        <source>converted; %1</source>
        <translation>umgewandelt; %1</translation>
    </message>
</context>
<context>
    <name>platform::FontColourDialog</name>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Kastanienbraun</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliv</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Marineblau</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Blaugrün</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Farbe:</translation>
    </message>
</context>
<context>
    <name>platform::HelpWindow</name>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
</context>
</TS>
