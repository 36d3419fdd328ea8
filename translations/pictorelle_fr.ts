<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>COrvanelDlg</name>
    <message>
        <source>Convert Several Photos...</source>
        <translation>Convertir plusieurs photos...</translation>
    </message>
    <message>
        <source>Keep Photo Details</source>
        <translation>Conserver les détails de la photo</translation>
    </message>
</context>
<context>
    <name>CaptionBox</name>
    <message>
        <source>Caption</source>
        <translation>Légende</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>T&amp;exte&#xa0;:</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>% of the height</source>
        <translation>% de la hauteur</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>pixels</translation>
    </message>
    <message>
        <source>Size unit</source>
        <translation>Unité de taille</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>En haut à gauche</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>En haut</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>En haut à droite</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>À gauche</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Au centre</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>À droite</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>En bas à gauche</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>En bas</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>En bas à droite</translation>
    </message>
    <message>
        <source>At X, Y</source>
        <translation>Aux coordonnées X, Y</translation>
    </message>
    <message>
        <source>&amp;Margin:</source>
        <translation>&amp;Marge&#xa0;:</translation>
    </message>
    <message>
        <source>% of the shorter side</source>
        <translation>% du plus petit côté</translation>
    </message>
    <message>
        <source>Margin unit</source>
        <translation>Unité de marge</translation>
    </message>
    <message>
        <source>&amp;X:</source>
        <translation>&amp;X&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Y:</source>
        <translation>&amp;Y&#xa0;:</translation>
    </message>
    <message>
        <source>Text X</source>
        <translation>Texte X</translation>
    </message>
    <message>
        <source>Text Y</source>
        <translation>Texte Y</translation>
    </message>
    <message>
        <source>, bold</source>
        <translation>, gras</translation>
    </message>
    <message>
        <source>, italic</source>
        <translation>, italique</translation>
    </message>
    <message>
        <source>Caption font: %1</source>
        <translation>Police de la légende&#xa0;: %1</translation>
    </message>
    <message>
        <source>Font &amp;&amp; colo&amp;ur...</source>
        <translation>Police &amp;&amp; co&amp;uleur...</translation>
    </message>
    <message>
        <source>Text hei&amp;ght:</source>
        <translation>&amp;Hauteur du texte&#xa0;:</translation>
    </message>
    <message>
        <source>Place:</source>
        <translation>Position&#xa0;:</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>the imaging library could not start</source>
        <translation>la bibliothèque d’images n’a pas pu démarrer</translation>
    </message>
    <message>
        <source>Try &apos;pictorelle --help&apos; for more information.</source>
        <translation>Essayez «&#xa0;pictorelle --help&#xa0;» pour plus d’informations.</translation>
    </message>
    <message>
        <source>the text cannot be drawn: no font is installed</source>
        <translation>le texte ne peut pas être dessiné&#xa0;: aucune police n’est installée</translation>
    </message>
    <message>
        <source>interrupted; the photos not yet saved were not converted</source>
        <translation>interrompu&#xa0;; les photos pas encore enregistrées n’ont pas été converties</translation>
    </message>
    <message>
        <source>file exists; use --overwrite to replace it</source>
        <translation>le fichier existe&#xa0;; utilisez --overwrite pour le remplacer</translation>
    </message>
    <message>
        <source>an output of %1 x %2 pixels is above the limit of %3 pixels</source>
        <translation>un fichier de sortie de %1 x %2 pixels dépasse la limite de %3 pixels</translation>
    </message>
    <message>
        <source>its colour profile is unusable; its colours are taken as sRGB</source>
        <translation>son profil de couleur est inutilisable&#xa0;; ses couleurs sont prises comme sRGB</translation>
    </message>
    <message>
        <source>not converted: its output %1 is the output of another photo of this run</source>
        <translation>non convertie&#xa0;: son fichier de sortie %1 est celui d’une autre photo de cette conversion</translation>
    </message>
    <message>
        <source>skipped: not a regular file</source>
        <translation>ignorée&#xa0;: ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>unrecognized option &apos;%1&apos;</source>
        <translation>option non reconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; requires an argument</source>
        <translation>l’option «&#xa0;%1&#xa0;» exige un argument</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; doesn&apos;t allow an argument</source>
        <translation>l’option «&#xa0;%1&#xa0;» n’accepte pas d’argument</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a name</source>
        <translation>l’option «&#xa0;%1&#xa0;» a besoin d’un nom</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not end in .png: the output is a PNG picture</source>
        <translation>«&#xa0;%1&#xa0;» ne finit pas par .png&#xa0;: le fichier de sortie est une image PNG</translation>
    </message>
    <message>
        <source>unknown flip &apos;%1&apos;: use none, horizontal or vertical</source>
        <translation>retournement inconnu «&#xa0;%1&#xa0;»&#xa0;: utilisez none, horizontal ou vertical</translation>
    </message>
    <message>
        <source>invalid color &apos;%1&apos;: use #RRGGBB</source>
        <translation>couleur non valable «&#xa0;%1&#xa0;»&#xa0;: utilisez #RRGGBB</translation>
    </message>
    <message>
        <source>no photo to convert</source>
        <translation>aucune photo à convertir</translation>
    </message>
    <message>
        <source>--size cannot be combined with --width or --height</source>
        <translation>--size ne peut pas être combiné avec --width ou --height</translation>
    </message>
    <message>
        <source>--fit cannot be combined with --size, --width or --height</source>
        <translation>--fit ne peut pas être combiné avec --size, --width ou --height</translation>
    </message>
    <message>
        <source>--output and --output-dir cannot be combined</source>
        <translation>--output et --output-dir ne peuvent pas être combinés</translation>
    </message>
    <message>
        <source>--output names one file: use --output-dir for several photos</source>
        <translation>--output nomme un seul fichier&#xa0;: utilisez --output-dir pour plusieurs photos</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; converts without a window: add --convert</source>
        <translation>l’option «&#xa0;%1&#xa0;» convertit sans fenêtre&#xa0;: ajoutez --convert</translation>
    </message>
    <message>
        <source>no such folder</source>
        <translation>dossier inexistant</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>pas un dossier</translation>
    </message>
    <message>
        <source>the folder cannot be written to: %1</source>
        <translation>impossible d’écrire dans le dossier&#xa0;: %1</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>not a photo: no format Pictorelle reads</source>
        <translation>pas une photo&#xa0;: aucun format que Pictorelle lit</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, reste %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>avertissement&#xa0;: %1</translation>
    </message>
    <message>
        <source>the height that keeps the aspect ratio of %1 x %2 at width %3 is %4 pixels</source>
        <translation>la hauteur qui garde les proportions de %1 x %2 à la largeur %3 est de %4 pixels</translation>
    </message>
    <message>
        <source>the width that keeps the aspect ratio of %1 x %2 at height %3 is %4 pixels</source>
        <translation>la largeur qui garde les proportions de %1 x %2 à la hauteur %3 est de %4 pixels</translation>
    </message>
    <message>
        <source>there is no frame %1: the photo has only frame 0</source>
        <translation>il n’y a pas d’image %1&#xa0;: la photo n’a que l’image 0</translation>
    </message>
    <message>
        <source>there is no frame %1: the photo has frames 0 to %2</source>
        <translation>il n’y a pas d’image %1&#xa0;: la photo a les images 0 à %2</translation>
    </message>
    <message>
        <source>its name is longer than the %1 bytes a file name may have</source>
        <translation>son nom dépasse les %1 octets qu’un nom de fichier peut avoir</translation>
    </message>
    <message>
        <source>the path is longer than the %1 characters this program takes</source>
        <translation>le chemin dépasse les %1 caractères que ce programme accepte</translation>
    </message>
    <message>
        <source>damaged: its data ends early</source>
        <translation>endommagée&#xa0;: ses données s’arrêtent trop tôt</translation>
    </message>
    <message>
        <source>damaged: its header does not match its data</source>
        <translation>endommagée&#xa0;: son en-tête ne correspond pas à ses données</translation>
    </message>
    <message>
        <source>too large: its header gives %1 x %2 pixels, over the limit of %3 pixels</source>
        <translation>trop grande&#xa0;: son en-tête indique %1 x %2 pixels, au-delà de la limite de %3 pixels</translation>
    </message>
    <message>
        <source>an output of this run, not converted again</source>
        <translation>fichier de sortie de cette conversion, non converti à nouveau</translation>
    </message>
    <message>
        <source>made the output folder %1</source>
        <translation>dossier de sortie %1 créé</translation>
    </message>
    <message>
        <source>%1 kept: it exists already; --overwrite replaces it</source>
        <translation>%1 conservé&#xa0;: le fichier existe déjà&#xa0;; --overwrite le remplace</translation>
    </message>
    <message>
        <source>a file is in the way</source>
        <translation>un fichier porte déjà ce nom</translation>
    </message>
    <message>
        <source>the folder cannot be made: %1</source>
        <translation>impossible de créer le dossier&#xa0;: %1</translation>
    </message>
    <message>
        <source>invalid margin &apos;%1&apos;: use N pixels or N% of the shorter side</source>
        <translation>marge non valable «&#xa0;%1&#xa0;»&#xa0;: utilisez N pixels ou N% du plus petit côté</translation>
    </message>
    <message>
        <source>invalid font &apos;%1&apos;: use FAMILY,SIZE[,bold][,italic], SIZE in pixels (at most %3) or N% of the output&apos;s height, with at most %2 characters</source>
        <translation>police non valable «&#xa0;%1&#xa0;»&#xa0;: utilisez FAMILLE,TAILLE[,bold][,italic], TAILLE en pixels (au plus %3) ou N% de la hauteur de l’image, avec au plus %2 caractères</translation>
    </message>
    <message>
        <source>invalid position &apos;%1&apos;: use X,Y or one of top-left, top, top-right, left, center, right, bottom-left, bottom, bottom-right</source>
        <translation>position non valable «&#xa0;%1&#xa0;»&#xa0;: utilisez X,Y ou l’une des positions top-left, top, top-right, left, center, right, bottom-left, bottom, bottom-right</translation>
    </message>
    <message>
        <source>the caption cannot be drawn: it does not fit on a picture of %1 x %2 pixels even at %3 pixels high</source>
        <translation>la légende ne peut pas être dessinée&#xa0;: elle ne tient pas sur une image de %1 x %2 pixels, même à %3 pixels de haut</translation>
    </message>
    <message>
        <source>the caption is drawn %1 pixels high instead of %2, to fit on the picture</source>
        <translation>la légende est dessinée à %1 pixels de haut au lieu de %2, pour tenir sur l’image</translation>
    </message>
    <message>
        <source>no space left on the device</source>
        <translation>plus d’espace sur le périphérique</translation>
    </message>
    <message>
        <source>over the file size limit</source>
        <translation>au-delà de la taille de fichier permise</translation>
    </message>
    <message>
        <source>over the disk quota</source>
        <translation>au-delà du quota disque</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permission non accordée</translation>
    </message>
    <message>
        <source>the file system is read-only</source>
        <translation>le système de fichiers est en lecture seule</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>le nom est trop long</translation>
    </message>
    <message>
        <source>an input/output error</source>
        <translation>une erreur d’entrée/sortie</translation>
    </message>
    <message>
        <source>damaged: part of its data cannot be decoded</source>
        <translation>endommagée&#xa0;: une partie de ses données ne peut pas être décodée</translation>
    </message>
    <message>
        <source>damaged: %1</source>
        <translation>endommagée&#xa0;: %1</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>the file changed while it was read</source>
        <translation>le fichier a changé pendant sa lecture</translation>
    </message>
    <message>
        <source>its EXIF orientation is none of 1 to 8; its pixels are kept as stored</source>
        <translation>son orientation EXIF n’est aucune des valeurs 1 à 8&#xa0;; ses pixels restent tels qu’ils sont enregistrés</translation>
    </message>
    <message>
        <source>its image data goes on after the last row; the rest was ignored</source>
        <translation>ses données d’image continuent après la dernière ligne&#xa0;; le reste a été ignoré</translation>
    </message>
    <message>
        <source>unknown details &apos;%1&apos;: use none, no-location or all</source>
        <translation>détails inconnus «&#xa0;%1&#xa0;»&#xa0;: utilisez none, no-location ou all</translation>
    </message>
    <message>
        <source>unknown file date &apos;%1&apos;: use taken or now</source>
        <translation>date de fichier inconnue «&#xa0;%1&#xa0;»&#xa0;: utilisez taken ou now</translation>
    </message>
    <message>
        <source>invalid resolution &apos;%1&apos;: use a whole number of dots per inch from 1 to %2</source>
        <translation>résolution non valable «&#xa0;%1&#xa0;»&#xa0;: utilisez un nombre entier de points par pouce de 1 à %2</translation>
    </message>
    <message>
        <source>it says nowhere when it was taken; its output is dated when written</source>
        <translation>elle n’indique nulle part quand elle a été prise&#xa0;; son fichier de sortie est daté de son écriture</translation>
    </message>
    <message>
        <source>its details (EXIF, XMP, IPTC) are damaged or too large and were left out</source>
        <translation>ses détails (EXIF, XMP, IPTC) sont endommagés ou trop volumineux et ont été omis</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%n converted</source>
        <translation>
            <numerusform>%n convertie</numerusform>
            <numerusform>%n converties</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n kept because their outputs exist</source>
        <translation>
            <numerusform>%n ignorée (fichier de sortie existant)</numerusform>
            <numerusform>%n ignorées (fichiers de sortie existants)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n en échec</numerusform>
            <numerusform>%n en échec</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n times)</source>
        <translation>
            <numerusform>%1 (%n fois)</numerusform>
            <numerusform>%1 (%n fois)</numerusform>
        </translation>
    </message>
    <message>
        <source>photos are converted with --convert: add it</source>
        <translation>les photos se convertissent avec --convert&#xa0;: ajoutez-le</translation>
    </message>
    <message>
        <source>no preset is named &apos;%1&apos;: --list-presets lists them</source>
        <translation>aucun préréglage ne s’appelle «&#xa0;%1&#xa0;»&#xa0;: --list-presets les énumère</translation>
    </message>
    <message>
        <source>the preset &apos;%1&apos; could not be kept: the settings cannot be written</source>
        <translation>le préréglage «&#xa0;%1&#xa0;» n’a pas pu être conservé&#xa0;: les réglages ne peuvent pas être écrits</translation>
    </message>
    <message>
        <source>the naming pattern gives it no name</source>
        <translation>le modèle de nom ne lui donne aucun nom</translation>
    </message>
    <message>
        <source>the naming pattern is empty</source>
        <translation>le modèle de nom est vide</translation>
    </message>
    <message>
        <source>a name cannot hold &apos;/&apos;: outputs are named, not placed, by the pattern</source>
        <translation>un nom ne peut pas contenir «&#xa0;/&#xa0;»&#xa0;: le modèle nomme les fichiers de sortie, il ne les place pas</translation>
    </message>
    <message>
        <source>unknown token &apos;%1&apos;: use {name}, {ext}, {date}, {time}, {n}, {n:4}, {folder}, {width} or {height}</source>
        <translation>élément inconnu «&#xa0;%1&#xa0;»&#xa0;: utilisez {name}, {ext}, {date}, {time}, {n}, {n:4}, {folder}, {width} ou {height}</translation>
    </message>
    <message>
        <source>a &apos;}&apos; in the naming pattern closes no token</source>
        <translation>une «&#xa0;}&#xa0;» du modèle de nom ne ferme aucun élément</translation>
    </message>
    <message>
        <source>the preset &apos;%1&apos; ([%2] in the settings) is damaged and was skipped: %3</source>
        <translation>le préréglage «&#xa0;%1&#xa0;» ([%2] dans les réglages) est endommagé et a été ignoré&#xa0;: %3</translation>
    </message>
    <message>
        <source>a preset needs a name</source>
        <translation>un préréglage a besoin d’un nom</translation>
    </message>
    <message>
        <source>a preset&apos;s name has at most %1 characters</source>
        <translation>le nom d’un préréglage a au plus %1 caractères</translation>
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
        <translation>Utilisation : pictorelle [PHOTO]...
   ou : pictorelle --convert PHOTO... [OPTION]...
   ou : pictorelle --save-preset NOM [OPTION]...  |  --list-presets
Transforme une photo en image PNG 24 bits de toute taille, tournée, retournée et
avec une ligne de texte.

Sans --convert, la fenêtre s&apos;ouvre, avec PHOTO ouverte dedans si une est
nommée ; plusieurs photos s&apos;ouvrent dans la fenêtre « Convertir plusieurs photos
». Avec --convert, chaque PHOTO est convertie sans fenêtre ; les autres photos
sont tout de même converties quand l&apos;une échoue.

Sortie :
      --output FICHIER     écrire le PNG dans FICHIER, un nom finissant par .png
                           (une seule photo)
      --output-dir DOSSIER
                           écrire NOM_out.png dans DOSSIER pour chaque photo
                           NOM.EXT (par défaut : le dossier de sortie que
                           propose la fenêtre)
      --beside-photos      écrire plutôt chaque fichier de sortie dans le
                           dossier de sa photo (pas avec --output ni
                           --output-dir)
  -r, --recursive          une PHOTO qui est un dossier représente ses photos et
                           celles de ses sous-dossiers (les liens vers des
                           dossiers ne sont pas suivis) ; chacune garde sa place
                           en dessous dans le dossier de sortie
      --overwrite          remplacer les fichiers de sortie qui existent déjà
                           (sans cette option, un fichier de sortie déjà présent
                           est conservé et sa photo n&apos;est pas convertie, ce qui
                           n&apos;est pas un échec)
      --name MODÈLE        nommer chaque fichier de sortie selon MODÈLE (.png
                           ajouté) : {name}, {ext}, {folder}, {date} et {time}
                           (prise de vue, sinon écriture du fichier), {n} (rang
                           dans la série ; {n:3} donne 001), {width}, {height}
                           (par défaut {name}_out)
      --png EFFORT         fast, normal (par défaut) ou smallest : un fichier
                           plus gros plus vite, ou un plus petit en bien plus de
                           temps
Taille (par défaut : celle de la photo) :
      --size LxH           exactement L x H pixels
      --width L            L pixels de large, la hauteur gardant les proportions
      --height H           H pixels de haut, la largeur gardant les proportions
      --fit LxH            dans L x H pixels, en gardant les proportions
      --no-enlarge         avec une taille, une photo qui y tient déjà garde la
                           sienne
Image :
      --rotate ANGLE       0, 90, 180 ou 270 degrés dans le sens horaire (par
                           défaut 0) (la photo est d&apos;abord tournée et retournée,
                           puis dimensionnée et légendée)
      --flip SENS          none, horizontal ou vertical (par défaut none)
      --frame N            l&apos;image N (à partir de 0) d&apos;une animation, ou la page
                           N d&apos;un document
      --no-auto-orient     garder les pixels tels qu&apos;enregistrés, sans les
                           redresser selon l&apos;orientation enregistrée par
                           l&apos;appareil
      --background COULEUR
                           poser les pixels transparents sur COULEUR (#RRGGBB),
                           avant que la légende ne soit dessinée (par défaut
                           #000000)
Légende :
      --text TEXTE         dessiner une ligne de TEXTE, à l&apos;endroit sur la
                           sortie
      --position LIEU      top-left, top, top-right, left, center, right,
                           bottom-left, bottom ou bottom-right, à --margin des
                           bords ; ou X,Y : son coin supérieur gauche (par
                           défaut 0,0)
      --margin N|N%        N pixels, ou N% du plus petit côté de la sortie (par
                           défaut 2%)
      --font FAMILLE,TAILLE[,bold][,italic]
                           TAILLE en pixels, ou N% de la hauteur de la sortie
                           (par défaut : la police du système à 4%) ; une
                           légende trop large est dessinée plus petite, avec un
                           avertissement, et n&apos;est jamais coupée
      --color #RRGGBB      sa couleur (par défaut #000000)
Détails (par défaut : aucun conservé) :
      --metadata QUOI      conserver l&apos;EXIF et le XMP de la photo dans le PNG :
                           none, no-location (date, appareil et auteur, sans le
                           lieu) ou all (les couleurs restent sRGB)
      --file-date QUAND    taken : dater chaque fichier de sortie de la prise de
                           vue de sa photo ; now (par défaut) : de son écriture
      --dpi N              donner au PNG N points par pouce (par défaut : ceux
                           de la photo, 96 si elle n&apos;en donne pas)
Préréglages (conservés dans les réglages ; deux sont fournis) :
      --preset NOM         partir des choix du préréglage ; une option placée
                           après en remplace un
      --save-preset NOM    conserver les choix de cette ligne de commande (sans
                           ses photos) sous NOM ; sans photo, rien n’est
                           converti
      --list-presets       lister les préréglages avec leurs choix et quitter
Autres :
      --quiet              n&apos;afficher que les erreurs (ni avertissements, ni
                           progression)
      --help               afficher cette aide et quitter
      --version            afficher la version et quitter
  --                       fin des options : ce qui suit, ce sont des photos

Les messages nomment le fichier qu&apos;ils concernent et parlent la langue de la
locale (LANGUAGE, LC_ALL, LC_MESSAGES, LANG ; anglais pour C et POSIX).

Code de sortie : 0 quand chaque photo a été convertie, 1 quand certaines ont
échoué, 2 pour une ligne de commande erronée, 128 + le signal après SIGINT,
SIGTERM ou SIGHUP (130, 143, 129), qui arrêtent le lot sans laisser de fichier
partiel.
Exemples, les photos d&apos;un dossier et de ses sous-dossiers pour le web :
  pictorelle --convert -r photos --output-dir out --fit 1920x1920 --no-enlarge
avec une légende dans le coin inférieur droit :
  pictorelle --convert *.jpg --output-dir out --width 1600 \
      --text &apos;Summer 2026&apos; --position bottom-right --font &apos;DejaVu Sans,5%&apos; \
      --color &apos;#FFFFFF&apos;
chaque JPEG d&apos;un dossier sur deux cœurs :
  find photos -name &apos;*.jpg&apos; -print0 | xargs -0 -n 50 -P 2 pictorelle --convert \
      --quiet --output-dir out --width 1920 --
</translation>
    </message>
    <message>
        <source>not converted: its output %1 would replace the photo itself</source>
        <translation>non convertie : son fichier de sortie %1 remplacerait la photo elle-même</translation>
    </message>
    <message>
        <source>invalid background &apos;%1&apos;: use #RRGGBB</source>
        <translation>arrière-plan non valable « %1 » : utilisez #RRGGBB</translation>
    </message>
    <message>
        <source>unknown PNG effort &apos;%1&apos;: use fast, normal or smallest</source>
        <translation>effort PNG inconnu « %1 » : utilisez fast, normal ou smallest</translation>
    </message>
    <message>
        <source>--beside-photos cannot be combined with %1: it writes each output next to its own photo</source>
        <translation>--beside-photos ne peut pas être combiné avec %1 : il écrit chaque fichier de sortie à côté de sa propre photo</translation>
    </message>
</context>
<context>
    <name>ConvertSeveralWindow</name>
    <message>
        <source>Convert Several Photos</source>
        <translation>Convertir plusieurs photos</translation>
    </message>
    <message>
        <source>Photos to con&amp;vert:</source>
        <translation>Photos à convert&amp;ir&#xa0;:</translation>
    </message>
    <message>
        <source>Add &amp;Photos...</source>
        <translation>A&amp;jouter des photos...</translation>
    </message>
    <message>
        <source>Add &amp;Folder...</source>
        <translation>Ajouter un &amp;dossier...</translation>
    </message>
    <message>
        <source>With its &amp;subfolders</source>
        <translation>Avec ses &amp;sous-dossiers</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Vider</translation>
    </message>
    <message>
        <source>Each photo</source>
        <translation>Chaque photo</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>&amp;Taille&#xa0;:</translation>
    </message>
    <message>
        <source>Keep the photo&apos;s size</source>
        <translation>Garder la taille de la photo</translation>
    </message>
    <message>
        <source>Width, the height following</source>
        <translation>Largeur, la hauteur suit</translation>
    </message>
    <message>
        <source>Height, the width following</source>
        <translation>Hauteur, la largeur suit</translation>
    </message>
    <message>
        <source>Fit within, keeping the aspect ratio</source>
        <translation>Tenir dans un cadre, en gardant les proportions</translation>
    </message>
    <message>
        <source>Exactly</source>
        <translation>Exactement</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Largeur&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Hauteur&#xa0;:</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>&amp;Never enlarge</source>
        <translation>Ne jamais a&amp;grandir</translation>
    </message>
    <message>
        <source>Rot&amp;ate:</source>
        <translation>Rotatio&amp;n&#xa0;:</translation>
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
        <translation>Retourne&amp;ment&#xa0;:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
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
        <translation>Dossier de s&amp;ortie&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>Browse for the output folder</source>
        <translation>Choisir le dossier de sortie</translation>
    </message>
    <message>
        <source>Replace &amp;existing files</source>
        <translation>Rempl&amp;acer les fichiers existants</translation>
    </message>
    <message>
        <source>%v of %m (%p%)</source>
        <translation>%v sur %m (%p&#xa0;%)</translation>
    </message>
    <message>
        <source>Photos done</source>
        <translation>Photos traitées</translation>
    </message>
    <message>
        <source>&amp;Open Output Folder</source>
        <translation>O&amp;uvrir le dossier de sortie</translation>
    </message>
    <message>
        <source>&amp;Convert All</source>
        <translation>Tout &amp;convertir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>Ajouter des photos</translation>
    </message>
    <message>
        <source>Photo Files</source>
        <translation>Fichiers photo</translation>
    </message>
    <message>
        <source>Any Files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Ajouter un dossier</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Dossier de sortie</translation>
    </message>
    <message>
        <source>There is no photo to convert: add photos first.</source>
        <translation>Il n’y a aucune photo à convertir&#xa0;: ajoutez d’abord des photos.</translation>
    </message>
    <message>
        <source>The output folder %1 cannot be written to: choose another.</source>
        <translation>Impossible d’écrire dans le dossier de sortie %1&#xa0;: choisissez-en un autre.</translation>
    </message>
    <message>
        <source>No program here opens folders. The converted photos are in %1</source>
        <translation>Aucun programme ici n’ouvre les dossiers. Les photos converties sont dans %1</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Preview of the selected photo</source>
        <translation>Aperçu de la photo sélectionnée</translation>
    </message>
    <message>
        <source>None</source>
        <comment>photo details</comment>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>All but location</source>
        <translation>Tous sauf le lieu</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>P&amp;hoto details:</source>
        <translation>Détails de la p&amp;hoto&#xa0;:</translation>
    </message>
    <message>
        <source>The photo&apos;s own</source>
        <translation>Celle de la photo</translation>
    </message>
    <message>
        <source>Dots per inch</source>
        <translation>Points par pouce</translation>
    </message>
    <message>
        <source>Resolu&amp;tion:</source>
        <translation>Résolu&amp;tion&#xa0;:</translation>
    </message>
    <message>
        <source> dpi</source>
        <translation> ppp</translation>
    </message>
    <message>
        <source>Date the files as ta&amp;ken</source>
        <translation>Dater les fichiers de la pr&amp;ise de vue</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>Préréglage&#xa0;:</translation>
    </message>
    <message>
        <source>Choose a preset</source>
        <translation>Choisir un préréglage</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Enregistrer sous...</translation>
    </message>
    <message>
        <source>Save the choices as a preset</source>
        <translation>Enregistrer les choix comme préréglage</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete the chosen preset</source>
        <translation>Supprimer le préréglage choisi</translation>
    </message>
    <message>
        <source>Na&amp;me pattern:</source>
        <translation>&amp;Modèle de nom&#xa0;:</translation>
    </message>
    <message>
        <source>Output name of the selected photo</source>
        <translation>Nom du fichier de sortie de la photo sélectionnée</translation>
    </message>
    <message>
        <source>The preset %1 cannot be used: %2</source>
        <translation>Le préréglage %1 ne peut pas être utilisé&#xa0;: %2</translation>
    </message>
    <message>
        <source>Some choices of the preset %1 are beyond what this window offers and were brought within its range.</source>
        <translation>Certains choix du préréglage %1 dépassent ce que propose cette fenêtre et ont été ramenés dans ses limites.</translation>
    </message>
    <message>
        <source>Name of the preset:</source>
        <translation>Nom du préréglage&#xa0;:</translation>
    </message>
    <message>
        <source>Save Preset</source>
        <translation>Enregistrer le préréglage</translation>
    </message>
    <message>
        <source>The preset cannot be saved: %1</source>
        <translation>Le préréglage ne peut pas être enregistré&#xa0;: %1</translation>
    </message>
    <message>
        <source>The naming pattern cannot be used: %1</source>
        <translation>Le modèle de nom ne peut pas être utilisé&#xa0;: %1</translation>
    </message>
    <message>
        <source>A preset named %1 exists already. Replace it?</source>
        <translation>Un préréglage nommé %1 existe déjà. Le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>The preset %1 could not be saved.</source>
        <translation>Le préréglage %1 n’a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>Delete the preset %1?</source>
        <translation>Supprimer le préréglage %1&#xa0;?</translation>
    </message>
    <message>
        <source>The preset %1 could not be deleted.</source>
        <translation>Le préréglage %1 n’a pas pu être supprimé.</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%n converted</source>
        <translation>
            <numerusform>%n convertie</numerusform>
            <numerusform>%n converties</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n en échec</numerusform>
            <numerusform>%n en échec</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n kept because they exist</source>
        <translation>
            <numerusform>%n ignorée (fichier de sortie existant)</numerusform>
            <numerusform>%n ignorées (fichiers de sortie existants)</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled: %1, %2, %3, %4</source>
        <translation>Annulé&#xa0;: %1, %2, %3, %4</translation>
    </message>
    <message numerus="yes">
        <source>%n not converted</source>
        <translation>
            <numerusform>%n non convertie</numerusform>
            <numerusform>%n non converties</numerusform>
        </translation>
    </message>
    <message>
        <source>These presets cannot be read and are left out of the list:
%1</source>
        <translation>Ces préréglages ne peuvent pas être lus et ne figurent pas dans la liste&#xa0;:
%1</translation>
    </message>
    <message>
        <source>The naming pattern gives this photo no name.</source>
        <translation>Le modèle de nom ne donne aucun nom à cette photo.</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Arrière-plan :</translation>
    </message>
    <message>
        <source>Colour...</source>
        <translation>Couleur...</translation>
    </message>
    <message>
        <source>What transparent pixels are laid on, before the caption</source>
        <translation>Ce sur quoi les pixels transparents sont posés, avant la légende</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Smallest</source>
        <translation>Le plus petit</translation>
    </message>
    <message>
        <source>PNG size:</source>
        <translation>Taille du PNG :</translation>
    </message>
    <message>
        <source>Fast: a larger file sooner. Smallest: a smaller file in many times the time.</source>
        <translation>Rapide : un fichier plus gros, plus vite. Le plus petit : un fichier plus petit, en bien plus de temps.</translation>
    </message>
    <message>
        <source>Save outputs:</source>
        <translation>Enregistrer les fichiers de sortie :</translation>
    </message>
    <message>
        <source>Into this folder</source>
        <translation>Dans ce dossier</translation>
    </message>
    <message>
        <source>Next to each photo</source>
        <translation>À côté de chaque photo</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <source>Background colour: %1</source>
        <translation>Couleur d’arrière-plan : %1</translation>
    </message>
</context>
<context>
    <name>PhotoListModel</name>
    <message>
        <source>unreadable</source>
        <translation>illisible</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>en attente</translation>
    </message>
    <message>
        <source>converting</source>
        <translation>conversion en cours</translation>
    </message>
    <message>
        <source>converted</source>
        <translation>convertie</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>échec&#xa0;: %1</translation>
    </message>
    <message>
        <source>kept: its output exists</source>
        <translation>ignorée&#xa0;: son fichier de sortie existe déjà</translation>
    </message>
    <message>
        <source>not converted</source>
        <translation>non convertie</translation>
    </message>
    <message>
        <source>converted; %1</source>
        <translation>convertie&#xa0;; %1</translation>
    </message>
</context>
<context>
    <name>platform::FontColourDialog</name>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Bordeaux</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Bleu marine</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Bleu sarcelle</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Vert citron</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
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
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Couleur&#xa0;:</translation>
    </message>
</context>
<context>
    <name>platform::HelpWindow</name>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
</context>
</TS>
