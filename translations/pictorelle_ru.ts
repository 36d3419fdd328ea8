<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>COrvanelDlg</name>
    <message>
        <source>Convert Several Photos...</source>
        <translation>Преобразовать несколько фотографий...</translation>
    </message>
    <message>
        <source>Keep Photo Details</source>
        <translation>Сохранять сведения о фотографии</translation>
    </message>
</context>
<context>
    <name>CaptionBox</name>
    <message>
        <source>Caption</source>
        <translation>Подпись</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Текст:</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>% of the height</source>
        <translation>% высоты</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>пикс.</translation>
    </message>
    <message>
        <source>Size unit</source>
        <translation>Единица размера</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>Вверху слева</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Вверху</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Вверху справа</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Слева</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>В центре</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Справа</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Внизу слева</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Внизу</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Внизу справа</translation>
    </message>
    <message>
        <source>At X, Y</source>
        <translation>В точке X, Y</translation>
    </message>
    <message>
        <source>&amp;Margin:</source>
        <translation>Отступ от &amp;краёв:</translation>
    </message>
    <message>
        <source>% of the shorter side</source>
        <translation>% короткой стороны</translation>
    </message>
    <message>
        <source>Margin unit</source>
        <translation>Единица отступа</translation>
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
        <translation>X текста</translation>
    </message>
    <message>
        <source>Text Y</source>
        <translation>Y текста</translation>
    </message>
    <message>
        <source>, bold</source>
        <translation>, жирный</translation>
    </message>
    <message>
        <source>, italic</source>
        <translation>, курсив</translation>
    </message>
    <message>
        <source>Caption font: %1</source>
        <translation>Шрифт подписи: %1</translation>
    </message>
    <message>
        <source>Font &amp;&amp; colo&amp;ur...</source>
        <translation>Шр&amp;ифт и цвет...</translation>
    </message>
    <message>
        <source>Text hei&amp;ght:</source>
        <translation>Раз&amp;мер текста:</translation>
    </message>
    <message>
        <source>Place:</source>
        <translation>Место:</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>the imaging library could not start</source>
        <translation>не удалось запустить библиотеку изображений</translation>
    </message>
    <message>
        <source>Try &apos;pictorelle --help&apos; for more information.</source>
        <translation>Для дополнительной информации попробуйте «pictorelle --help».</translation>
    </message>
    <message>
        <source>the text cannot be drawn: no font is installed</source>
        <translation>текст нельзя нарисовать: не установлено ни одного шрифта</translation>
    </message>
    <message>
        <source>interrupted; the photos not yet saved were not converted</source>
        <translation>прервано; ещё не сохранённые фотографии не преобразованы</translation>
    </message>
    <message>
        <source>file exists; use --overwrite to replace it</source>
        <translation>файл существует; используйте --overwrite, чтобы заменить его</translation>
    </message>
    <message>
        <source>an output of %1 x %2 pixels is above the limit of %3 pixels</source>
        <translation>выходное изображение размером %1 x %2 пикс. превышает предел в %3 пикс.</translation>
    </message>
    <message>
        <source>its colour profile is unusable; its colours are taken as sRGB</source>
        <translation>его цветовой профиль непригоден; его цвета считаются sRGB</translation>
    </message>
    <message>
        <source>not converted: its output %1 is the output of another photo of this run</source>
        <translation>не преобразовано: выходной файл %1 совпадает с выходным файлом другой фотографии этого запуска</translation>
    </message>
    <message>
        <source>skipped: not a regular file</source>
        <translation>пропущено: не обычный файл</translation>
    </message>
    <message>
        <source>unrecognized option &apos;%1&apos;</source>
        <translation>нераспознанный параметр «%1»</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; requires an argument</source>
        <translation>параметр «%1» требует аргумента</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; doesn&apos;t allow an argument</source>
        <translation>параметр «%1» не допускает аргумента</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a name</source>
        <translation>параметру «%1» нужно имя</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not end in .png: the output is a PNG picture</source>
        <translation>«%1» не оканчивается на .png: выходной файл — изображение PNG</translation>
    </message>
    <message>
        <source>unknown flip &apos;%1&apos;: use none, horizontal or vertical</source>
        <translation>неизвестное отражение «%1»: используйте none, horizontal или vertical</translation>
    </message>
    <message>
        <source>invalid color &apos;%1&apos;: use #RRGGBB</source>
        <translation>недопустимый цвет «%1»: используйте #RRGGBB</translation>
    </message>
    <message>
        <source>no photo to convert</source>
        <translation>нет фотографии для преобразования</translation>
    </message>
    <message>
        <source>--size cannot be combined with --width or --height</source>
        <translation>--size нельзя сочетать с --width или --height</translation>
    </message>
    <message>
        <source>--fit cannot be combined with --size, --width or --height</source>
        <translation>--fit нельзя сочетать с --size, --width или --height</translation>
    </message>
    <message>
        <source>--output and --output-dir cannot be combined</source>
        <translation>--output и --output-dir нельзя сочетать</translation>
    </message>
    <message>
        <source>--output names one file: use --output-dir for several photos</source>
        <translation>--output называет один файл: для нескольких фотографий используйте --output-dir</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; converts without a window: add --convert</source>
        <translation>параметр «%1» преобразует без окна: добавьте --convert</translation>
    </message>
    <message>
        <source>no such folder</source>
        <translation>нет такой папки</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>не папка</translation>
    </message>
    <message>
        <source>the folder cannot be written to: %1</source>
        <translation>в папку нельзя записать: %1</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>не обычный файл</translation>
    </message>
    <message>
        <source>not a photo: no format Pictorelle reads</source>
        <translation>не фотография: ни один из форматов, которые читает Pictorelle</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, осталось %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>предупреждение: %1</translation>
    </message>
    <message>
        <source>the height that keeps the aspect ratio of %1 x %2 at width %3 is %4 pixels</source>
        <translation>высота, сохраняющая пропорции %1 x %2 при ширине %3, составляет %4 пикс.</translation>
    </message>
    <message>
        <source>the width that keeps the aspect ratio of %1 x %2 at height %3 is %4 pixels</source>
        <translation>ширина, сохраняющая пропорции %1 x %2 при высоте %3, составляет %4 пикс.</translation>
    </message>
    <message>
        <source>there is no frame %1: the photo has only frame 0</source>
        <translation>кадра %1 нет: у фотографии есть только кадр 0</translation>
    </message>
    <message>
        <source>there is no frame %1: the photo has frames 0 to %2</source>
        <translation>кадра %1 нет: у фотографии есть кадры с 0 по %2</translation>
    </message>
    <message>
        <source>its name is longer than the %1 bytes a file name may have</source>
        <translation>его имя длиннее допустимого (наибольшая длина имени файла в байтах: %1)</translation>
    </message>
    <message>
        <source>the path is longer than the %1 characters this program takes</source>
        <translation>путь длиннее допустимого (наибольшая длина пути в символах для этой программы: %1)</translation>
    </message>
    <message>
        <source>damaged: its data ends early</source>
        <translation>повреждено: данные обрываются преждевременно</translation>
    </message>
    <message>
        <source>damaged: its header does not match its data</source>
        <translation>повреждено: заголовок файла не соответствует данным</translation>
    </message>
    <message>
        <source>too large: its header gives %1 x %2 pixels, over the limit of %3 pixels</source>
        <translation>слишком большое: заголовок файла указывает %1 x %2 пикс., больше предела в %3 пикс.</translation>
    </message>
    <message>
        <source>an output of this run, not converted again</source>
        <translation>выходной файл этого запуска, повторно не преобразуется</translation>
    </message>
    <message>
        <source>made the output folder %1</source>
        <translation>создана папка вывода %1</translation>
    </message>
    <message>
        <source>%1 kept: it exists already; --overwrite replaces it</source>
        <translation>%1 пропущен: файл уже существует; --overwrite заменит его</translation>
    </message>
    <message>
        <source>a file is in the way</source>
        <translation>на этом месте находится файл</translation>
    </message>
    <message>
        <source>the folder cannot be made: %1</source>
        <translation>не удаётся создать папку: %1</translation>
    </message>
    <message>
        <source>invalid margin &apos;%1&apos;: use N pixels or N% of the shorter side</source>
        <translation>недопустимый отступ «%1»: используйте N пикселей или N% короткой стороны</translation>
    </message>
    <message>
        <source>invalid font &apos;%1&apos;: use FAMILY,SIZE[,bold][,italic], SIZE in pixels (at most %3) or N% of the output&apos;s height, with at most %2 characters</source>
        <translation>недопустимый шрифт «%1»: используйте СЕМЕЙСТВО,РАЗМЕР[,bold][,italic], где РАЗМЕР — в пикселях (не более %3) или N% высоты выходного изображения; наибольшая длина в символах: %2</translation>
    </message>
    <message>
        <source>invalid position &apos;%1&apos;: use X,Y or one of top-left, top, top-right, left, center, right, bottom-left, bottom, bottom-right</source>
        <translation>недопустимое положение «%1»: используйте X,Y или одно из top-left, top, top-right, left, center, right, bottom-left, bottom, bottom-right</translation>
    </message>
    <message>
        <source>the caption cannot be drawn: it does not fit on a picture of %1 x %2 pixels even at %3 pixels high</source>
        <translation>подпись нельзя нарисовать: она не помещается на изображение %1 x %2 пикс. даже при высоте %3 пикс.</translation>
    </message>
    <message>
        <source>the caption is drawn %1 pixels high instead of %2, to fit on the picture</source>
        <translation>подпись нарисована высотой %1 пикс. вместо %2, чтобы поместиться на изображении</translation>
    </message>
    <message>
        <source>no space left on the device</source>
        <translation>на устройстве не осталось места</translation>
    </message>
    <message>
        <source>over the file size limit</source>
        <translation>превышен предельный размер файла</translation>
    </message>
    <message>
        <source>over the disk quota</source>
        <translation>превышена дисковая квота</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>доступ запрещён</translation>
    </message>
    <message>
        <source>the file system is read-only</source>
        <translation>файловая система доступна только для чтения</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>слишком длинное имя</translation>
    </message>
    <message>
        <source>an input/output error</source>
        <translation>ошибка ввода-вывода</translation>
    </message>
    <message>
        <source>damaged: part of its data cannot be decoded</source>
        <translation>повреждено: часть данных не удаётся декодировать</translation>
    </message>
    <message>
        <source>damaged: %1</source>
        <translation>повреждено: %1</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>недостаточно памяти</translation>
    </message>
    <message>
        <source>the file changed while it was read</source>
        <translation>файл изменился во время чтения</translation>
    </message>
    <message>
        <source>its EXIF orientation is none of 1 to 8; its pixels are kept as stored</source>
        <translation>его ориентация EXIF не входит в значения от 1 до 8; пиксели оставлены как есть</translation>
    </message>
    <message>
        <source>its image data goes on after the last row; the rest was ignored</source>
        <translation>его данные изображения продолжаются после последней строки; остаток пропущен</translation>
    </message>
    <message>
        <source>unknown details &apos;%1&apos;: use none, no-location or all</source>
        <translation>неизвестные сведения «%1»: используйте none, no-location или all</translation>
    </message>
    <message>
        <source>unknown file date &apos;%1&apos;: use taken or now</source>
        <translation>неизвестная дата файла «%1»: используйте taken или now</translation>
    </message>
    <message>
        <source>invalid resolution &apos;%1&apos;: use a whole number of dots per inch from 1 to %2</source>
        <translation>недопустимое разрешение «%1»: используйте целое число точек на дюйм от 1 до %2</translation>
    </message>
    <message>
        <source>it says nowhere when it was taken; its output is dated when written</source>
        <translation>в нём нигде не указано, когда оно снято; выходной файл датирован временем записи</translation>
    </message>
    <message>
        <source>its details (EXIF, XMP, IPTC) are damaged or too large and were left out</source>
        <translation>его сведения (EXIF, XMP, IPTC) повреждены или слишком велики и опущены</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%n converted</source>
        <translation>
            <numerusform>преобразовано: %n</numerusform>
            <numerusform>преобразовано: %n</numerusform>
            <numerusform>преобразовано: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n kept because their outputs exist</source>
        <translation>
            <numerusform>пропущено (файл уже существует): %n</numerusform>
            <numerusform>пропущено (файл уже существует): %n</numerusform>
            <numerusform>пропущено (файл уже существует): %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>с ошибкой: %n</numerusform>
            <numerusform>с ошибкой: %n</numerusform>
            <numerusform>с ошибкой: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n times)</source>
        <translation>
            <numerusform>%1 (%n раз)</numerusform>
            <numerusform>%1 (%n раза)</numerusform>
            <numerusform>%1 (%n раз)</numerusform>
        </translation>
    </message>
    <message>
        <source>photos are converted with --convert: add it</source>
        <translation>фотографии преобразуются с --convert: добавьте его</translation>
    </message>
    <message>
        <source>no preset is named &apos;%1&apos;: --list-presets lists them</source>
        <translation>нет набора настроек «%1»: --list-presets выводит их список</translation>
    </message>
    <message>
        <source>the preset &apos;%1&apos; could not be kept: the settings cannot be written</source>
        <translation>набор настроек «%1» не удалось сохранить: настройки невозможно записать</translation>
    </message>
    <message>
        <source>the naming pattern gives it no name</source>
        <translation>шаблон имён не даёт ему имени</translation>
    </message>
    <message>
        <source>the naming pattern is empty</source>
        <translation>шаблон имён пуст</translation>
    </message>
    <message>
        <source>a name cannot hold &apos;/&apos;: outputs are named, not placed, by the pattern</source>
        <translation>имя не может содержать «/»: шаблон называет выходные файлы, а не размещает их</translation>
    </message>
    <message>
        <source>unknown token &apos;%1&apos;: use {name}, {ext}, {date}, {time}, {n}, {n:4}, {folder}, {width} or {height}</source>
        <translation>неизвестный элемент «%1»: используйте {name}, {ext}, {date}, {time}, {n}, {n:4}, {folder}, {width} или {height}</translation>
    </message>
    <message>
        <source>a &apos;}&apos; in the naming pattern closes no token</source>
        <translation>«}» в шаблоне имён не закрывает ни один элемент</translation>
    </message>
    <message>
        <source>the preset &apos;%1&apos; ([%2] in the settings) is damaged and was skipped: %3</source>
        <translation>набор настроек «%1» ([%2] в настройках) повреждён и пропущен: %3</translation>
    </message>
    <message>
        <source>a preset needs a name</source>
        <translation>набору настроек нужно имя</translation>
    </message>
    <message>
        <source>a preset&apos;s name has at most %1 characters</source>
        <translation>имя набора настроек содержит не более %1 символов</translation>
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
        <translation>Использование: pictorelle [ФОТО]...
         или: pictorelle --convert ФОТО... [ПАРАМЕТР]...
         или: pictorelle --save-preset ИМЯ [ПАРАМЕТР]...  |  --list-presets
Превращает фотографию в 24-битное изображение PNG любого размера, повёрнутое,
отражённое и со строкой текста.

Без --convert открывается окно, с ФОТО в нём, если оно указано; несколько
фотографий открываются в окне «Преобразовать несколько фотографий». С --convert
каждое ФОТО преобразуется без окна; остальные фотографии преобразуются, даже
если одна не удалась.

Вывод:
      --output ФАЙЛ        записать PNG в ФАЙЛ, имя с окончанием .png (только
                           одна фотография)
      --output-dir ПАПКА   записать ИМЯ_out.png в ПАПКУ для каждой фотографии
                           ИМЯ.РАСШ (по умолчанию: папка вывода, которую
                           предлагает окно)
      --beside-photos      записывать каждый файл вывода в папку его фотографии
                           (не вместе с --output или --output-dir)
  -r, --recursive          ФОТО, являющееся папкой, означает её фотографии и
                           фотографии её подпапок (ссылки на папки не
                           отслеживаются); каждая сохраняет своё место под ней в
                           папке вывода
      --overwrite          заменять уже существующие файлы вывода (без этого
                           параметра существующий файл остаётся нетронутым, а
                           фотография пропускается; это не считается ошибкой)
      --name ШАБЛОН        называть каждый выходной файл по ШАБЛОНУ (.png
                           добавляется): {name}, {ext}, {folder}, {date} и
                           {time} (время съёмки, иначе записи файла), {n} (место
                           в пакете; {n:3} даёт 001), {width}, {height} (по
                           умолчанию {name}_out)
      --png УСИЛИЕ         fast, normal (по умолчанию) или smallest: файл
                           больше, но быстрее, или меньше, но во много раз
                           дольше
Размер (по умолчанию: собственный размер фотографии):
      --size ШxВ           ровно Ш x В пикселей
      --width Ш            Ш пикселей в ширину, высота сохраняет пропорции
      --height В           В пикселей в высоту, ширина сохраняет пропорции
      --fit ШxВ            в пределах Ш x В пикселей, сохраняя пропорции
      --no-enlarge         при заданном размере фотография, уже вписывающаяся в
                           него, сохраняет свой размер
Изображение:
      --rotate УГОЛ        0, 90, 180 или 270 градусов по часовой стрелке (по
                           умолчанию 0) (фотография сначала поворачивается и
                           отражается, затем масштабируется и подписывается)
      --flip СПОСОБ        none, horizontal или vertical (по умолчанию none)
      --frame N            кадр N (с 0) анимации или страница N документа
      --no-auto-orient     оставить пиксели как сохранены, не поворачивая их по
                           ориентации, записанной камерой
      --background ЦВЕТ    класть прозрачные пиксели на ЦВЕТ (#RRGGBB) до того,
                           как рисуется подпись (по умолчанию #000000)
Подпись:
      --text ТЕКСТ         нарисовать одну строку ТЕКСТА на выводе, без поворота
      --position МЕСТО     top-left, top, top-right, left, center, right,
                           bottom-left, bottom или bottom-right, с отступом
                           --margin от краёв; или X,Y: её левый верхний угол (по
                           умолчанию 0,0)
      --margin N|N%        N пикселей или N% короткой стороны вывода (по
                           умолчанию 2%)
      --font СЕМЕЙСТВО,РАЗМЕР[,bold][,italic]
                           РАЗМЕР в пикселях или N% высоты вывода (по умолчанию:
                           системный шрифт при 4%); слишком широкая подпись
                           рисуется меньше, с предупреждением, и никогда не
                           обрезается
      --color #RRGGBB      её цвет (по умолчанию #000000)
Сведения (по умолчанию: не сохраняются):
      --metadata КАКИЕ     сохранить EXIF и XMP фото в PNG: none, no-location
                           (дата, камера и автор, без места съёмки) или all
                           (цвета остаются в sRGB)
      --file-date КОГДА    taken: датировать каждый выходной файл временем
                           съёмки его фото; now (по умолчанию): временем записи
      --dpi N              задать PNG N точек на дюйм (по умолчанию: как у фото,
                           96, если в нём не указано)
Наборы настроек (хранятся в настройках; два поставляются):
      --preset ИМЯ         начать с выбора набора; параметр после него заменяет
                           один из них
      --save-preset ИМЯ    сохранить выбор этой командной строки (без фото) как
                           ИМЯ; без фото ничего не преобразуется
      --list-presets       вывести наборы с их выбором и выйти
Прочее:
      --quiet              выводить только ошибки (без предупреждений и хода
                           работы)
      --help               показать эту справку и выйти
      --version            показать версию и выйти
  --                       конец параметров: далее идут фотографии

Сообщения называют файл, к которому относятся, и говорят на языке локали
(LANGUAGE, LC_ALL, LC_MESSAGES, LANG; английский для C и POSIX).

Код возврата: 0, если преобразованы все фотографии, 1, если некоторые не
удались, 2 при неверной командной строке, 128 + номер сигнала после SIGINT,
SIGTERM или SIGHUP (130, 143, 129), которые останавливают пакет, не оставляя
недописанных файлов.
Примеры: фотографии папки и её подпапок для веба:
  pictorelle --convert -r photos --output-dir out --fit 1920x1920 --no-enlarge
с подписью в правом нижнем углу:
  pictorelle --convert *.jpg --output-dir out --width 1600 \
      --text &apos;Summer 2026&apos; --position bottom-right --font &apos;DejaVu Sans,5%&apos; \
      --color &apos;#FFFFFF&apos;
каждый JPEG папки на двух ядрах:
  find photos -name &apos;*.jpg&apos; -print0 | xargs -0 -n 50 -P 2 pictorelle --convert \
      --quiet --output-dir out --width 1920 --
</translation>
    </message>
    <message>
        <source>not converted: its output %1 would replace the photo itself</source>
        <translation>не преобразовано: выходной файл %1 заменил бы саму фотографию</translation>
    </message>
    <message>
        <source>invalid background &apos;%1&apos;: use #RRGGBB</source>
        <translation>недопустимый фон «%1»: используйте #RRGGBB</translation>
    </message>
    <message>
        <source>unknown PNG effort &apos;%1&apos;: use fast, normal or smallest</source>
        <translation>неизвестное усилие PNG «%1»: используйте fast, normal или smallest</translation>
    </message>
    <message>
        <source>--beside-photos cannot be combined with %1: it writes each output next to its own photo</source>
        <translation>--beside-photos нельзя сочетать с %1: он записывает каждый выходной файл рядом с его фотографией</translation>
    </message>
</context>
<context>
    <name>ConvertSeveralWindow</name>
    <message>
        <source>Convert Several Photos</source>
        <translation>Преобразовать несколько фотографий</translation>
    </message>
    <message>
        <source>Photos to con&amp;vert:</source>
        <translation>&amp;Фотографии для преобразования:</translation>
    </message>
    <message>
        <source>Add &amp;Photos...</source>
        <translation>Добавить фото&amp;графии...</translation>
    </message>
    <message>
        <source>Add &amp;Folder...</source>
        <translation>Добавить &amp;папку...</translation>
    </message>
    <message>
        <source>With its &amp;subfolders</source>
        <translation>С её по&amp;дпапками</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Убрать</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>О&amp;чистить</translation>
    </message>
    <message>
        <source>Each photo</source>
        <translation>Каждая фотография</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>Ра&amp;змер:</translation>
    </message>
    <message>
        <source>Keep the photo&apos;s size</source>
        <translation>Сохранить размер фотографии</translation>
    </message>
    <message>
        <source>Width, the height following</source>
        <translation>По ширине (высота — пропорционально)</translation>
    </message>
    <message>
        <source>Height, the width following</source>
        <translation>По высоте (ширина — пропорционально)</translation>
    </message>
    <message>
        <source>Fit within, keeping the aspect ratio</source>
        <translation>Вписать, сохраняя пропорции</translation>
    </message>
    <message>
        <source>Exactly</source>
        <translation>Точный размер</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Ширина:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Высота:</translation>
    </message>
    <message>
        <source> px</source>
        <translation> пикс.</translation>
    </message>
    <message>
        <source>&amp;Never enlarge</source>
        <translation>&amp;Никогда не увеличивать</translation>
    </message>
    <message>
        <source>Rot&amp;ate:</source>
        <translation>П&amp;овернуть:</translation>
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
        <translation>От&amp;разить:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>По горизонтали</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>По вертикали</translation>
    </message>
    <message>
        <source>Output fol&amp;der:</source>
        <translation>Папка в&amp;ывода:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>О&amp;бзор...</translation>
    </message>
    <message>
        <source>Browse for the output folder</source>
        <translation>Выбрать папку вывода</translation>
    </message>
    <message>
        <source>Replace &amp;existing files</source>
        <translation>Заменять &amp;существующие файлы</translation>
    </message>
    <message>
        <source>%v of %m (%p%)</source>
        <translation>%v из %m (%p%)</translation>
    </message>
    <message>
        <source>Photos done</source>
        <translation>Обработано фотографий</translation>
    </message>
    <message>
        <source>&amp;Open Output Folder</source>
        <translation>Открыть п&amp;апку вывода</translation>
    </message>
    <message>
        <source>&amp;Convert All</source>
        <translation>Преобразовать вс&amp;е</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>Добавить фотографии</translation>
    </message>
    <message>
        <source>Photo Files</source>
        <translation>Файлы фотографий</translation>
    </message>
    <message>
        <source>Any Files (*.*)</source>
        <translation>Все файлы (*.*)</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Добавить папку</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Папка вывода</translation>
    </message>
    <message>
        <source>There is no photo to convert: add photos first.</source>
        <translation>Нет фотографий для преобразования: сначала добавьте фотографии.</translation>
    </message>
    <message>
        <source>The output folder %1 cannot be written to: choose another.</source>
        <translation>В папку вывода %1 нельзя записать: выберите другую.</translation>
    </message>
    <message>
        <source>No program here opens folders. The converted photos are in %1</source>
        <translation>Здесь нет программы, открывающей папки. Преобразованные фотографии находятся в %1</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Preview of the selected photo</source>
        <translation>Предпросмотр выбранной фотографии</translation>
    </message>
    <message>
        <source>None</source>
        <comment>photo details</comment>
        <translation>Нет</translation>
    </message>
    <message>
        <source>All but location</source>
        <translation>Все, кроме места</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>P&amp;hoto details:</source>
        <translation>Сведения о &amp;фото:</translation>
    </message>
    <message>
        <source>The photo&apos;s own</source>
        <translation>Как у фото</translation>
    </message>
    <message>
        <source>Dots per inch</source>
        <translation>Точек на дюйм</translation>
    </message>
    <message>
        <source>Resolu&amp;tion:</source>
        <translation>&amp;Разрешение:</translation>
    </message>
    <message>
        <source> dpi</source>
        <translation> dpi</translation>
    </message>
    <message>
        <source>Date the files as ta&amp;ken</source>
        <translation>Датировать файлы временем с&amp;ъёмки</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>Набор настроек:</translation>
    </message>
    <message>
        <source>Choose a preset</source>
        <translation>Выберите набор настроек</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Сохранить как...</translation>
    </message>
    <message>
        <source>Save the choices as a preset</source>
        <translation>Сохранить выбор как набор настроек</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Delete the chosen preset</source>
        <translation>Удалить выбранный набор настроек</translation>
    </message>
    <message>
        <source>Na&amp;me pattern:</source>
        <translation>Шаблон &amp;имени:</translation>
    </message>
    <message>
        <source>Output name of the selected photo</source>
        <translation>Имя выходного файла выбранной фотографии</translation>
    </message>
    <message>
        <source>The preset %1 cannot be used: %2</source>
        <translation>Набор настроек %1 нельзя использовать: %2</translation>
    </message>
    <message>
        <source>Some choices of the preset %1 are beyond what this window offers and were brought within its range.</source>
        <translation>Некоторые значения набора настроек %1 выходят за пределы того, что предлагает это окно, и были приведены к его диапазону.</translation>
    </message>
    <message>
        <source>Name of the preset:</source>
        <translation>Имя набора настроек:</translation>
    </message>
    <message>
        <source>Save Preset</source>
        <translation>Сохранить набор настроек</translation>
    </message>
    <message>
        <source>The preset cannot be saved: %1</source>
        <translation>Набор настроек нельзя сохранить: %1</translation>
    </message>
    <message>
        <source>The naming pattern cannot be used: %1</source>
        <translation>Шаблон имён нельзя использовать: %1</translation>
    </message>
    <message>
        <source>A preset named %1 exists already. Replace it?</source>
        <translation>Набор настроек с именем %1 уже существует. Заменить его?</translation>
    </message>
    <message>
        <source>The preset %1 could not be saved.</source>
        <translation>Не удалось сохранить набор настроек %1.</translation>
    </message>
    <message>
        <source>Delete the preset %1?</source>
        <translation>Удалить набор настроек %1?</translation>
    </message>
    <message>
        <source>The preset %1 could not be deleted.</source>
        <translation>Не удалось удалить набор настроек %1.</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%n converted</source>
        <translation>
            <numerusform>преобразовано: %n</numerusform>
            <numerusform>преобразовано: %n</numerusform>
            <numerusform>преобразовано: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>с ошибкой: %n</numerusform>
            <numerusform>с ошибкой: %n</numerusform>
            <numerusform>с ошибкой: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n kept because they exist</source>
        <translation>
            <numerusform>пропущено (файл уже существует): %n</numerusform>
            <numerusform>пропущено (файл уже существует): %n</numerusform>
            <numerusform>пропущено (файл уже существует): %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled: %1, %2, %3, %4</source>
        <translation>Отменено: %1, %2, %3, %4</translation>
    </message>
    <message numerus="yes">
        <source>%n not converted</source>
        <translation>
            <numerusform>не преобразовано: %n</numerusform>
            <numerusform>не преобразовано: %n</numerusform>
            <numerusform>не преобразовано: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>These presets cannot be read and are left out of the list:
%1</source>
        <translation>Эти наборы настроек не удаётся прочитать, и они не включены в список:
%1</translation>
    </message>
    <message>
        <source>The naming pattern gives this photo no name.</source>
        <translation>Шаблон имён не даёт этой фотографии имени.</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Фон:</translation>
    </message>
    <message>
        <source>Colour...</source>
        <translation>Цвет...</translation>
    </message>
    <message>
        <source>What transparent pixels are laid on, before the caption</source>
        <translation>На что кладутся прозрачные пиксели, до подписи</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Быстро</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Обычно</translation>
    </message>
    <message>
        <source>Smallest</source>
        <translation>Как можно меньше</translation>
    </message>
    <message>
        <source>PNG size:</source>
        <translation>Размер PNG:</translation>
    </message>
    <message>
        <source>Fast: a larger file sooner. Smallest: a smaller file in many times the time.</source>
        <translation>Быстро: файл больше, но быстрее. Как можно меньше: файл меньше, но во много раз дольше.</translation>
    </message>
    <message>
        <source>Save outputs:</source>
        <translation>Сохранять выходные файлы:</translation>
    </message>
    <message>
        <source>Into this folder</source>
        <translation>В эту папку</translation>
    </message>
    <message>
        <source>Next to each photo</source>
        <translation>Рядом с каждой фотографией</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Фон</translation>
    </message>
    <message>
        <source>Background colour: %1</source>
        <translation>Цвет фона: %1</translation>
    </message>
</context>
<context>
    <name>PhotoListModel</name>
    <message>
        <source>unreadable</source>
        <translation>не читается</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Фотография</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>ожидает</translation>
    </message>
    <message>
        <source>converting</source>
        <translation>преобразуется</translation>
    </message>
    <message>
        <source>converted</source>
        <translation>преобразовано</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>не удалось: %1</translation>
    </message>
    <message>
        <source>kept: its output exists</source>
        <translation>пропущено (файл уже существует)</translation>
    </message>
    <message>
        <source>not converted</source>
        <translation>не преобразовано</translation>
    </message>
    <message>
        <source>converted; %1</source>
        <translation>преобразовано; %1</translation>
    </message>
</context>
<context>
    <name>platform::FontColourDialog</name>
    <message>
        <source>Black</source>
        <translation>Чёрный</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Тёмно-бордовый</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелёный</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Оливковый</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Тёмно-синий</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Пурпурный</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Сине-зелёный</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Серый</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Серебристый</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Красный</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Лаймовый</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Жёлтый</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синий</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Фуксия</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Голубой</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Белый</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Шрифт</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Цвет:</translation>
    </message>
</context>
<context>
    <name>platform::HelpWindow</name>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Вперёд</translation>
    </message>
</context>
</TS>
