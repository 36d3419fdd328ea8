<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>COrvanelDlg</name>
    <message>
        <source>Convert Several Photos...</source>
        <translation>Convertir varias fotos...</translation>
    </message>
    <message>
        <source>Keep Photo Details</source>
        <translation>Conservar los detalles de la foto</translation>
    </message>
</context>
<context>
    <name>CaptionBox</name>
    <message>
        <source>Caption</source>
        <translation>Rótulo</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>T&amp;exto:</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>% of the height</source>
        <translation>% del alto</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>píxeles</translation>
    </message>
    <message>
        <source>Size unit</source>
        <translation>Unidad del tamaño</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>Arriba a la izquierda</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Arriba a la derecha</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Abajo a la izquierda</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Abajo a la derecha</translation>
    </message>
    <message>
        <source>At X, Y</source>
        <translation>En X, Y</translation>
    </message>
    <message>
        <source>&amp;Margin:</source>
        <translation>&amp;Margen:</translation>
    </message>
    <message>
        <source>% of the shorter side</source>
        <translation>% del lado más corto</translation>
    </message>
    <message>
        <source>Margin unit</source>
        <translation>Unidad del margen</translation>
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
        <translation>Texto X</translation>
    </message>
    <message>
        <source>Text Y</source>
        <translation>Texto Y</translation>
    </message>
    <message>
        <source>, bold</source>
        <translation>, negrita</translation>
    </message>
    <message>
        <source>, italic</source>
        <translation>, cursiva</translation>
    </message>
    <message>
        <source>Caption font: %1</source>
        <translation>Tipo de letra del rótulo: %1</translation>
    </message>
    <message>
        <source>Font &amp;&amp; colo&amp;ur...</source>
        <translation>Ti&amp;po de letra y color...</translation>
    </message>
    <message>
        <source>Text hei&amp;ght:</source>
        <translation>Tama&amp;ño del texto:</translation>
    </message>
    <message>
        <source>Place:</source>
        <translation>Posición:</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>the imaging library could not start</source>
        <translation>la biblioteca de imágenes no pudo iniciarse</translation>
    </message>
    <message>
        <source>Try &apos;pictorelle --help&apos; for more information.</source>
        <translation>Pruebe «pictorelle --help» para más información.</translation>
    </message>
    <message>
        <source>the text cannot be drawn: no font is installed</source>
        <translation>el texto no se puede dibujar: no hay ningún tipo de letra instalado</translation>
    </message>
    <message>
        <source>interrupted; the photos not yet saved were not converted</source>
        <translation>interrumpido; las fotos aún no guardadas no se convirtieron</translation>
    </message>
    <message>
        <source>file exists; use --overwrite to replace it</source>
        <translation>el archivo existe; use --overwrite para reemplazarlo</translation>
    </message>
    <message>
        <source>an output of %1 x %2 pixels is above the limit of %3 pixels</source>
        <translation>un archivo de salida de %1 x %2 píxeles supera el límite de %3 píxeles</translation>
    </message>
    <message>
        <source>its colour profile is unusable; its colours are taken as sRGB</source>
        <translation>su perfil de color no se puede usar; sus colores se toman como sRGB</translation>
    </message>
    <message>
        <source>not converted: its output %1 is the output of another photo of this run</source>
        <translation>no convertida: su archivo de salida %1 es también el de otra foto de esta ejecución</translation>
    </message>
    <message>
        <source>skipped: not a regular file</source>
        <translation>omitido: no es un archivo regular</translation>
    </message>
    <message>
        <source>unrecognized option &apos;%1&apos;</source>
        <translation>opción no reconocida «%1»</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; requires an argument</source>
        <translation>la opción «%1» requiere un argumento</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; doesn&apos;t allow an argument</source>
        <translation>la opción «%1» no admite ningún argumento</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a name</source>
        <translation>la opción «%1» necesita un nombre</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not end in .png: the output is a PNG picture</source>
        <translation>«%1» no termina en .png: el archivo de salida es una imagen PNG</translation>
    </message>
    <message>
        <source>unknown flip &apos;%1&apos;: use none, horizontal or vertical</source>
        <translation>volteo desconocido «%1»: use none, horizontal o vertical</translation>
    </message>
    <message>
        <source>invalid color &apos;%1&apos;: use #RRGGBB</source>
        <translation>color no válido «%1»: use #RRGGBB</translation>
    </message>
    <message>
        <source>no photo to convert</source>
        <translation>ninguna foto que convertir</translation>
    </message>
    <message>
        <source>--size cannot be combined with --width or --height</source>
        <translation>--size no se puede combinar con --width ni con --height</translation>
    </message>
    <message>
        <source>--fit cannot be combined with --size, --width or --height</source>
        <translation>--fit no se puede combinar con --size, --width ni --height</translation>
    </message>
    <message>
        <source>--output and --output-dir cannot be combined</source>
        <translation>--output y --output-dir no se pueden combinar</translation>
    </message>
    <message>
        <source>--output names one file: use --output-dir for several photos</source>
        <translation>--output nombra un solo archivo: use --output-dir para varias fotos</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; converts without a window: add --convert</source>
        <translation>la opción «%1» convierte sin ventana: añada --convert</translation>
    </message>
    <message>
        <source>no such folder</source>
        <translation>no existe la carpeta</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>no es una carpeta</translation>
    </message>
    <message>
        <source>the folder cannot be written to: %1</source>
        <translation>no se puede escribir en la carpeta: %1</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo regular</translation>
    </message>
    <message>
        <source>not a photo: no format Pictorelle reads</source>
        <translation>no es una foto: ningún formato que Pictorelle lea</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, quedan %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>advertencia: %1</translation>
    </message>
    <message>
        <source>the height that keeps the aspect ratio of %1 x %2 at width %3 is %4 pixels</source>
        <translation>el alto que conserva la proporción de %1 x %2 con ancho %3 es de %4 píxeles</translation>
    </message>
    <message>
        <source>the width that keeps the aspect ratio of %1 x %2 at height %3 is %4 pixels</source>
        <translation>el ancho que conserva la proporción de %1 x %2 con alto %3 es de %4 píxeles</translation>
    </message>
    <message>
        <source>there is no frame %1: the photo has only frame 0</source>
        <translation>no hay fotograma %1: la foto solo tiene el fotograma 0</translation>
    </message>
    <message>
        <source>there is no frame %1: the photo has frames 0 to %2</source>
        <translation>no hay fotograma %1: la foto tiene los fotogramas 0 a %2</translation>
    </message>
    <message>
        <source>its name is longer than the %1 bytes a file name may have</source>
        <translation>su nombre supera los %1 bytes que puede tener un nombre de archivo</translation>
    </message>
    <message>
        <source>the path is longer than the %1 characters this program takes</source>
        <translation>la ruta supera los %1 caracteres que admite este programa</translation>
    </message>
    <message>
        <source>damaged: its data ends early</source>
        <translation>dañada: sus datos terminan antes de tiempo</translation>
    </message>
    <message>
        <source>damaged: its header does not match its data</source>
        <translation>dañada: su cabecera no coincide con sus datos</translation>
    </message>
    <message>
        <source>too large: its header gives %1 x %2 pixels, over the limit of %3 pixels</source>
        <translation>demasiado grande: su cabecera indica %1 x %2 píxeles, por encima del límite de %3 píxeles</translation>
    </message>
    <message>
        <source>an output of this run, not converted again</source>
        <translation>es un archivo de salida de esta ejecución; no se vuelve a convertir</translation>
    </message>
    <message>
        <source>made the output folder %1</source>
        <translation>se ha creado la carpeta de salida %1</translation>
    </message>
    <message>
        <source>%1 kept: it exists already; --overwrite replaces it</source>
        <translation>%1 conservado: ya existe; --overwrite lo reemplaza</translation>
    </message>
    <message>
        <source>a file is in the way</source>
        <translation>un archivo tiene ya ese nombre</translation>
    </message>
    <message>
        <source>the folder cannot be made: %1</source>
        <translation>no se puede crear la carpeta: %1</translation>
    </message>
    <message>
        <source>invalid margin &apos;%1&apos;: use N pixels or N% of the shorter side</source>
        <translation>margen no válido «%1»: use N píxeles o N% del lado más corto</translation>
    </message>
    <message>
        <source>invalid font &apos;%1&apos;: use FAMILY,SIZE[,bold][,italic], SIZE in pixels (at most %3) or N% of the output&apos;s height, with at most %2 characters</source>
        <translation>tipo de letra no válido «%1»: use FAMILIA,TAMAÑO[,bold][,italic], con TAMAÑO en píxeles (como mucho %3) o N% del alto de la imagen, y como mucho %2 caracteres</translation>
    </message>
    <message>
        <source>invalid position &apos;%1&apos;: use X,Y or one of top-left, top, top-right, left, center, right, bottom-left, bottom, bottom-right</source>
        <translation>posición no válida «%1»: use X,Y o una de top-left, top, top-right, left, center, right, bottom-left, bottom, bottom-right</translation>
    </message>
    <message>
        <source>the caption cannot be drawn: it does not fit on a picture of %1 x %2 pixels even at %3 pixels high</source>
        <translation>el rótulo no se puede dibujar: no cabe en una imagen de %1 x %2 píxeles ni siquiera con %3 píxeles de alto</translation>
    </message>
    <message>
        <source>the caption is drawn %1 pixels high instead of %2, to fit on the picture</source>
        <translation>el rótulo se dibuja con %1 píxeles de alto en lugar de %2, para que quepa en la imagen</translation>
    </message>
    <message>
        <source>no space left on the device</source>
        <translation>no queda espacio en el dispositivo</translation>
    </message>
    <message>
        <source>over the file size limit</source>
        <translation>supera el límite de tamaño de archivo</translation>
    </message>
    <message>
        <source>over the disk quota</source>
        <translation>supera la cuota de disco</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permiso denegado</translation>
    </message>
    <message>
        <source>the file system is read-only</source>
        <translation>el sistema de archivos es de solo lectura</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>el nombre es demasiado largo</translation>
    </message>
    <message>
        <source>an input/output error</source>
        <translation>un error de entrada/salida</translation>
    </message>
    <message>
        <source>damaged: part of its data cannot be decoded</source>
        <translation>dañada: parte de sus datos no se puede decodificar</translation>
    </message>
    <message>
        <source>damaged: %1</source>
        <translation>dañada: %1</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>memoria insuficiente</translation>
    </message>
    <message>
        <source>the file changed while it was read</source>
        <translation>el archivo cambió mientras se leía</translation>
    </message>
    <message>
        <source>its EXIF orientation is none of 1 to 8; its pixels are kept as stored</source>
        <translation>su orientación EXIF no es ninguno de los valores 1 a 8; sus píxeles se mantienen como están guardados</translation>
    </message>
    <message>
        <source>its image data goes on after the last row; the rest was ignored</source>
        <translation>sus datos de imagen continúan después de la última fila; el resto se ha ignorado</translation>
    </message>
    <message>
        <source>unknown details &apos;%1&apos;: use none, no-location or all</source>
        <translation>detalles desconocidos «%1»: use none, no-location o all</translation>
    </message>
    <message>
        <source>unknown file date &apos;%1&apos;: use taken or now</source>
        <translation>fecha de archivo desconocida «%1»: use taken o now</translation>
    </message>
    <message>
        <source>invalid resolution &apos;%1&apos;: use a whole number of dots per inch from 1 to %2</source>
        <translation>resolución no válida «%1»: use un número entero de puntos por pulgada de 1 a %2</translation>
    </message>
    <message>
        <source>it says nowhere when it was taken; its output is dated when written</source>
        <translation>no indica en ninguna parte cuándo se tomó; su archivo de salida lleva la fecha en que se escribió</translation>
    </message>
    <message>
        <source>its details (EXIF, XMP, IPTC) are damaged or too large and were left out</source>
        <translation>sus detalles (EXIF, XMP, IPTC) están dañados o son demasiado grandes y se omitieron</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%n converted</source>
        <translation>
            <numerusform>%n convertida</numerusform>
            <numerusform>%n convertidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n kept because their outputs exist</source>
        <translation>
            <numerusform>%n omitida (su archivo de salida ya existe)</numerusform>
            <numerusform>%n omitidas (sus archivos de salida ya existen)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n fallida</numerusform>
            <numerusform>%n fallidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n times)</source>
        <translation>
            <numerusform>%1 (%n vez)</numerusform>
            <numerusform>%1 (%n veces)</numerusform>
        </translation>
    </message>
    <message>
        <source>photos are converted with --convert: add it</source>
        <translation>las fotos se convierten con --convert: añádalo</translation>
    </message>
    <message>
        <source>no preset is named &apos;%1&apos;: --list-presets lists them</source>
        <translation>ningún ajuste predefinido se llama «%1»: --list-presets los enumera</translation>
    </message>
    <message>
        <source>the preset &apos;%1&apos; could not be kept: the settings cannot be written</source>
        <translation>el ajuste predefinido «%1» no se pudo guardar: no se puede escribir la configuración</translation>
    </message>
    <message>
        <source>the naming pattern gives it no name</source>
        <translation>el patrón de nombres no le da ningún nombre</translation>
    </message>
    <message>
        <source>the naming pattern is empty</source>
        <translation>el patrón de nombres está vacío</translation>
    </message>
    <message>
        <source>a name cannot hold &apos;/&apos;: outputs are named, not placed, by the pattern</source>
        <translation>un nombre no puede contener «/»: el patrón nombra los archivos de salida, no los coloca</translation>
    </message>
    <message>
        <source>unknown token &apos;%1&apos;: use {name}, {ext}, {date}, {time}, {n}, {n:4}, {folder}, {width} or {height}</source>
        <translation>elemento desconocido «%1»: use {name}, {ext}, {date}, {time}, {n}, {n:4}, {folder}, {width} o {height}</translation>
    </message>
    <message>
        <source>a &apos;}&apos; in the naming pattern closes no token</source>
        <translation>una «}» del patrón de nombres no cierra ningún elemento</translation>
    </message>
    <message>
        <source>the preset &apos;%1&apos; ([%2] in the settings) is damaged and was skipped: %3</source>
        <translation>el ajuste predefinido «%1» ([%2] en la configuración) está dañado y se omitió: %3</translation>
    </message>
    <message>
        <source>a preset needs a name</source>
        <translation>un ajuste predefinido necesita un nombre</translation>
    </message>
    <message>
        <source>a preset&apos;s name has at most %1 characters</source>
        <translation>el nombre de un ajuste predefinido tiene como máximo %1 caracteres</translation>
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
        <translation>Uso: pictorelle [FOTO]...
  o:  pictorelle --convert FOTO... [OPCIÓN]...
  o:  pictorelle --save-preset NOMBRE [OPCIÓN]...  |  --list-presets
Convierte una foto en una imagen PNG de 24 bits de cualquier tamaño, girada,
volteada y con una línea de texto.

Sin --convert se abre la ventana, con FOTO abierta en ella si se nombra una;
varias fotos se abren en la ventana «Convertir varias fotos». Con --convert cada
FOTO se convierte sin ventana; las demás fotos se convierten igualmente cuando
una falla.

Salida:
      --output ARCHIVO     escribir el PNG en ARCHIVO, un nombre que termine en
                           .png (solo una foto)
      --output-dir CARPETA
                           escribir NOMBRE_out.png en CARPETA por cada foto
                           NOMBRE.EXT (por omisión: la carpeta de salida que
                           propone la ventana)
      --beside-photos      escribir cada salida en la carpeta de su propia foto
                           (no con --output ni --output-dir)
  -r, --recursive          una FOTO que es una carpeta representa sus fotos y
                           las de sus subcarpetas (no se siguen los enlaces a
                           carpetas); cada una conserva su lugar debajo de ella
                           en la carpeta de salida
      --overwrite          reemplazar las salidas que ya existen (sin esta
                           opción, una salida ya existente se conserva y su foto
                           no se convierte, lo que no es un fallo)
      --name PATRÓN        nombrar cada archivo de salida según PATRÓN (se añade
                           .png): {name}, {ext}, {folder}, {date} y {time} (la
                           toma, si no la escritura del archivo), {n} (su lugar
                           en la tanda; {n:3} da 001), {width}, {height} (por
                           omisión {name}_out)
      --png ESFUERZO       fast, normal (por omisión) o smallest: un archivo
                           mayor en menos tiempo, o uno menor en muchas veces el
                           tiempo
Tamaño (por omisión: el de la foto):
      --size ANCHOxALTO    exactamente ANCHO x ALTO píxeles
      --width ANCHO        ANCHO píxeles de ancho, el alto conservando la
                           proporción
      --height ALTO        ALTO píxeles de alto, el ancho conservando la
                           proporción
      --fit ANCHOxALTO     dentro de ANCHO x ALTO píxeles, conservando la
                           proporción
      --no-enlarge         con un tamaño, una foto que ya cabe en él conserva el
                           suyo
Imagen:
      --rotate ÁNGULO      0, 90, 180 o 270 grados en sentido horario (por
                           omisión 0) (la foto se gira y se voltea primero,
                           luego se redimensiona y se rotula)
      --flip MODO          none, horizontal o vertical (por omisión none)
      --frame N            el fotograma N (desde 0) de una animación, o la
                           página N de un documento
      --no-auto-orient     dejar los píxeles como están guardados, sin
                           enderezarlos según la orientación que registró la
                           cámara
      --background COLOR   poner los píxeles transparentes sobre COLOR
                           (#RRGGBB), antes de dibujar el rótulo (por omisión
                           #000000)
Rótulo:
      --text TEXTO         dibujar una línea de TEXTO sobre la salida, sin girar
      --position LUGAR     top-left, top, top-right, left, center, right,
                           bottom-left, bottom o bottom-right, a --margin de los
                           bordes; o X,Y: su esquina superior izquierda (por
                           omisión 0,0)
      --margin N|N%        N píxeles, o N% del lado más corto de la salida (por
                           omisión 2%)
      --font FAMILIA,TAMAÑO[,bold][,italic]
                           TAMAÑO en píxeles, o N% del alto de la salida (por
                           omisión: la fuente del sistema al 4%); un rótulo
                           demasiado ancho se dibuja más pequeño, con un aviso,
                           y nunca se corta
      --color #RRGGBB      su color (por omisión #000000)
Detalles (por omisión: ninguno):
      --metadata CUÁLES    conservar el EXIF y el XMP de la foto en el PNG:
                           none, no-location (fecha, cámara y autor, sin el
                           lugar) o all (los colores siguen en sRGB)
      --file-date CUÁNDO   taken: fechar cada archivo de salida cuando se tomó
                           su foto; now (por omisión): cuando se escribe
      --dpi N              dar al PNG N puntos por pulgada (por omisión: los de
                           la foto, 96 si no da ninguno)
Ajustes predefinidos (en la configuración; se incluyen dos):
      --preset NOMBRE      partir de las opciones del ajuste; una opción puesta
                           después sustituye a una de ellas
      --save-preset NOMBRE
                           guardar las opciones de esta línea de órdenes (sin
                           sus fotos) como NOMBRE; sin foto no convierte nada
      --list-presets       listar los ajustes con sus opciones y salir
Otras:
      --quiet              mostrar solo los errores (ni avisos ni progreso)
      --help               mostrar esta ayuda y salir
      --version            mostrar la versión y salir
  --                       fin de las opciones: lo que sigue son fotos

Los mensajes nombran el archivo al que se refieren y hablan el idioma de la
configuración regional (LANGUAGE, LC_ALL, LC_MESSAGES, LANG; inglés para C y
POSIX).

Estado de salida: 0 cuando se convirtió cada foto, 1 cuando alguna falló, 2 para
una línea de órdenes errónea, 128 + la señal tras SIGINT, SIGTERM o SIGHUP (130,
143, 129), que detienen el lote sin dejar ningún archivo parcial.
Ejemplos, las fotos de una carpeta y sus subcarpetas para la web:
  pictorelle --convert -r photos --output-dir out --fit 1920x1920 --no-enlarge
con un rótulo en la esquina inferior derecha:
  pictorelle --convert *.jpg --output-dir out --width 1600 \
      --text &apos;Summer 2026&apos; --position bottom-right --font &apos;DejaVu Sans,5%&apos; \
      --color &apos;#FFFFFF&apos;
cada JPEG de una carpeta en dos núcleos:
  find photos -name &apos;*.jpg&apos; -print0 | xargs -0 -n 50 -P 2 pictorelle --convert \
      --quiet --output-dir out --width 1920 --
</translation>
    </message>
    <message>
        <source>not converted: its output %1 would replace the photo itself</source>
        <translation>no convertida: su archivo de salida %1 reemplazaría la propia foto</translation>
    </message>
    <message>
        <source>invalid background &apos;%1&apos;: use #RRGGBB</source>
        <translation>fondo no válido «%1»: use #RRGGBB</translation>
    </message>
    <message>
        <source>unknown PNG effort &apos;%1&apos;: use fast, normal or smallest</source>
        <translation>esfuerzo PNG desconocido «%1»: use fast, normal o smallest</translation>
    </message>
    <message>
        <source>--beside-photos cannot be combined with %1: it writes each output next to its own photo</source>
        <translation>--beside-photos no se puede combinar con %1: escribe cada salida junto a su propia foto</translation>
    </message>
</context>
<context>
    <name>ConvertSeveralWindow</name>
    <message>
        <source>Convert Several Photos</source>
        <translation>Convertir varias fotos</translation>
    </message>
    <message>
        <source>Photos to con&amp;vert:</source>
        <translation>Fotos &amp;que convertir:</translation>
    </message>
    <message>
        <source>Add &amp;Photos...</source>
        <translation>Añadir &amp;fotos...</translation>
    </message>
    <message>
        <source>Add &amp;Folder...</source>
        <translation>Añadir &amp;carpeta...</translation>
    </message>
    <message>
        <source>With its &amp;subfolders</source>
        <translation>Con sus &amp;subcarpetas</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>Q&amp;uitar</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Vaciar</translation>
    </message>
    <message>
        <source>Each photo</source>
        <translation>Cada foto</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>&amp;Tamaño:</translation>
    </message>
    <message>
        <source>Keep the photo&apos;s size</source>
        <translation>Conservar el tamaño de la foto</translation>
    </message>
    <message>
        <source>Width, the height following</source>
        <translation>Ancho (alto proporcional)</translation>
    </message>
    <message>
        <source>Height, the width following</source>
        <translation>Alto (ancho proporcional)</translation>
    </message>
    <message>
        <source>Fit within, keeping the aspect ratio</source>
        <translation>Ajustar a un recuadro, conservando la proporción</translation>
    </message>
    <message>
        <source>Exactly</source>
        <translation>Exactamente</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Ancho:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>Alt&amp;o:</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>&amp;Never enlarge</source>
        <translation>&amp;Nunca ampliar</translation>
    </message>
    <message>
        <source>Rot&amp;ate:</source>
        <translation>&amp;Girar:</translation>
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
        <translation>Vo&amp;ltear:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Output fol&amp;der:</source>
        <translation>Carpeta de sal&amp;ida:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Exa&amp;minar...</translation>
    </message>
    <message>
        <source>Browse for the output folder</source>
        <translation>Buscar la carpeta de salida</translation>
    </message>
    <message>
        <source>Replace &amp;existing files</source>
        <translation>&amp;Reemplazar los archivos existentes</translation>
    </message>
    <message>
        <source>%v of %m (%p%)</source>
        <translation>%v de %m (%p%)</translation>
    </message>
    <message>
        <source>Photos done</source>
        <translation>Fotos procesadas</translation>
    </message>
    <message>
        <source>&amp;Open Output Folder</source>
        <translation>A&amp;brir la carpeta de salida</translation>
    </message>
    <message>
        <source>&amp;Convert All</source>
        <translation>Convertir to&amp;do</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>Añadir fotos</translation>
    </message>
    <message>
        <source>Photo Files</source>
        <translation>Archivos de foto</translation>
    </message>
    <message>
        <source>Any Files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Añadir carpeta</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Carpeta de salida</translation>
    </message>
    <message>
        <source>There is no photo to convert: add photos first.</source>
        <translation>No hay ninguna foto que convertir: añada fotos primero.</translation>
    </message>
    <message>
        <source>The output folder %1 cannot be written to: choose another.</source>
        <translation>No se puede escribir en la carpeta de salida %1: elija otra.</translation>
    </message>
    <message>
        <source>No program here opens folders. The converted photos are in %1</source>
        <translation>No hay ningún programa que pueda abrir carpetas. Las fotos convertidas están en %1</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Preview of the selected photo</source>
        <translation>Vista previa de la foto seleccionada</translation>
    </message>
    <message>
        <source>None</source>
        <comment>photo details</comment>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>All but location</source>
        <translation>Todos salvo la ubicación</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>P&amp;hoto details:</source>
        <translation>Detalles de la f&amp;oto:</translation>
    </message>
    <message>
        <source>The photo&apos;s own</source>
        <translation>La de la foto</translation>
    </message>
    <message>
        <source>Dots per inch</source>
        <translation>Puntos por pulgada</translation>
    </message>
    <message>
        <source>Resolu&amp;tion:</source>
        <translation>Resolu&amp;ción:</translation>
    </message>
    <message>
        <source> dpi</source>
        <translation> ppp</translation>
    </message>
    <message>
        <source>Date the files as ta&amp;ken</source>
        <translation>Poner a los archivos la fec&amp;ha de la toma</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>Ajuste predefinido:</translation>
    </message>
    <message>
        <source>Choose a preset</source>
        <translation>Elija un ajuste predefinido</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <source>Save the choices as a preset</source>
        <translation>Guardar las opciones como ajuste predefinido</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete the chosen preset</source>
        <translation>Eliminar el ajuste predefinido elegido</translation>
    </message>
    <message>
        <source>Na&amp;me pattern:</source>
        <translation>Patrón de &amp;nombre:</translation>
    </message>
    <message>
        <source>Output name of the selected photo</source>
        <translation>Nombre del archivo de salida de la foto seleccionada</translation>
    </message>
    <message>
        <source>The preset %1 cannot be used: %2</source>
        <translation>El ajuste predefinido %1 no se puede usar: %2</translation>
    </message>
    <message>
        <source>Some choices of the preset %1 are beyond what this window offers and were brought within its range.</source>
        <translation>Algunas opciones del ajuste predefinido %1 superan lo que ofrece esta ventana y se ajustaron a sus límites.</translation>
    </message>
    <message>
        <source>Name of the preset:</source>
        <translation>Nombre del ajuste predefinido:</translation>
    </message>
    <message>
        <source>Save Preset</source>
        <translation>Guardar ajuste predefinido</translation>
    </message>
    <message>
        <source>The preset cannot be saved: %1</source>
        <translation>El ajuste predefinido no se puede guardar: %1</translation>
    </message>
    <message>
        <source>The naming pattern cannot be used: %1</source>
        <translation>El patrón de nombres no se puede usar: %1</translation>
    </message>
    <message>
        <source>A preset named %1 exists already. Replace it?</source>
        <translation>Ya existe un ajuste predefinido llamado %1. ¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>The preset %1 could not be saved.</source>
        <translation>No se pudo guardar el ajuste predefinido %1.</translation>
    </message>
    <message>
        <source>Delete the preset %1?</source>
        <translation>¿Desea eliminar el ajuste predefinido %1?</translation>
    </message>
    <message>
        <source>The preset %1 could not be deleted.</source>
        <translation>No se pudo eliminar el ajuste predefinido %1.</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%n converted</source>
        <translation>
            <numerusform>%n convertida</numerusform>
            <numerusform>%n convertidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n fallida</numerusform>
            <numerusform>%n fallidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n kept because they exist</source>
        <translation>
            <numerusform>%n omitida (su archivo de salida ya existe)</numerusform>
            <numerusform>%n omitidas (sus archivos de salida ya existen)</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled: %1, %2, %3, %4</source>
        <translation>Cancelado: %1, %2, %3, %4</translation>
    </message>
    <message numerus="yes">
        <source>%n not converted</source>
        <translation>
            <numerusform>%n sin convertir</numerusform>
            <numerusform>%n sin convertir</numerusform>
        </translation>
    </message>
    <message>
        <source>These presets cannot be read and are left out of the list:
%1</source>
        <translation>Estos ajustes predefinidos no se pueden leer y no figuran en la lista:
%1</translation>
    </message>
    <message>
        <source>The naming pattern gives this photo no name.</source>
        <translation>El patrón de nombres no da ningún nombre a esta foto.</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Fondo:</translation>
    </message>
    <message>
        <source>Colour...</source>
        <translation>Color...</translation>
    </message>
    <message>
        <source>What transparent pixels are laid on, before the caption</source>
        <translation>Sobre qué se ponen los píxeles transparentes, antes del rótulo</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rápido</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Smallest</source>
        <translation>El más pequeño</translation>
    </message>
    <message>
        <source>PNG size:</source>
        <translation>Tamaño del PNG:</translation>
    </message>
    <message>
        <source>Fast: a larger file sooner. Smallest: a smaller file in many times the time.</source>
        <translation>Rápido: un archivo mayor en menos tiempo. El más pequeño: un archivo menor en muchas veces el tiempo.</translation>
    </message>
    <message>
        <source>Save outputs:</source>
        <translation>Guardar las salidas:</translation>
    </message>
    <message>
        <source>Into this folder</source>
        <translation>En esta carpeta</translation>
    </message>
    <message>
        <source>Next to each photo</source>
        <translation>Junto a cada foto</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Background colour: %1</source>
        <translation>Color de fondo: %1</translation>
    </message>
</context>
<context>
    <name>PhotoListModel</name>
    <message>
        <source>unreadable</source>
        <translation>ilegible</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>en espera</translation>
    </message>
    <message>
        <source>converting</source>
        <translation>convirtiendo</translation>
    </message>
    <message>
        <source>converted</source>
        <translation>convertida</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>fallida: %1</translation>
    </message>
    <message>
        <source>kept: its output exists</source>
        <translation>conservada: su archivo de salida ya existe</translation>
    </message>
    <message>
        <source>not converted</source>
        <translation>sin convertir</translation>
    </message>
    <message>
        <source>converted; %1</source>
        <translation>convertida; %1</translation>
    </message>
</context>
<context>
    <name>platform::FontColourDialog</name>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Granate</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliva</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Azul marino</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Púrpura</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Verde azulado</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Plata</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Lima</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fucsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Cian</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Tipo de letra</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Color:</translation>
    </message>
</context>
<context>
    <name>platform::HelpWindow</name>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
</context>
</TS>
