<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>COrvanelDlg</name>
    <message>
        <source>Convert Several Photos...</source>
        <translation>複数の写真を変換...</translation>
    </message>
    <message>
        <source>Keep Photo Details</source>
        <translation>写真の詳細情報を保持</translation>
    </message>
</context>
<context>
    <name>CaptionBox</name>
    <message>
        <source>Caption</source>
        <translation>キャプション</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>テキスト(&amp;T):</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>% of the height</source>
        <translation>高さの %</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>ピクセル</translation>
    </message>
    <message>
        <source>Size unit</source>
        <translation>サイズの単位</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>左上</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>上</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>右上</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>中央</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>左下</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>下</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>右下</translation>
    </message>
    <message>
        <source>At X, Y</source>
        <translation>X, Y で指定</translation>
    </message>
    <message>
        <source>&amp;Margin:</source>
        <translation>余白(&amp;M):</translation>
    </message>
    <message>
        <source>% of the shorter side</source>
        <translation>短辺の %</translation>
    </message>
    <message>
        <source>Margin unit</source>
        <translation>余白の単位</translation>
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
        <translation>テキストの X</translation>
    </message>
    <message>
        <source>Text Y</source>
        <translation>テキストの Y</translation>
    </message>
    <message>
        <source>, bold</source>
        <translation>、太字</translation>
    </message>
    <message>
        <source>, italic</source>
        <translation>、斜体</translation>
    </message>
    <message>
        <source>Caption font: %1</source>
        <translation>キャプションのフォント: %1</translation>
    </message>
    <message>
        <source>Font &amp;&amp; colo&amp;ur...</source>
        <translation>フォントと色(&amp;U)...</translation>
    </message>
    <message>
        <source>Text hei&amp;ght:</source>
        <translation>テキストの高さ(&amp;G):</translation>
    </message>
    <message>
        <source>Place:</source>
        <translation>位置:</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>the imaging library could not start</source>
        <translation>画像ライブラリを起動できませんでした</translation>
    </message>
    <message>
        <source>Try &apos;pictorelle --help&apos; for more information.</source>
        <translation>詳しくは &apos;pictorelle --help&apos; を実行してください。</translation>
    </message>
    <message>
        <source>the text cannot be drawn: no font is installed</source>
        <translation>テキストを描画できません: フォントが 1 つもインストールされていません</translation>
    </message>
    <message>
        <source>interrupted; the photos not yet saved were not converted</source>
        <translation>中断しました。まだ保存されていない写真は変換されていません</translation>
    </message>
    <message>
        <source>file exists; use --overwrite to replace it</source>
        <translation>ファイルが存在します。置き換えるには --overwrite を使用してください</translation>
    </message>
    <message>
        <source>an output of %1 x %2 pixels is above the limit of %3 pixels</source>
        <translation>%1 x %2 ピクセルの出力画像は上限の %3 ピクセルを超えています</translation>
    </message>
    <message>
        <source>its colour profile is unusable; its colours are taken as sRGB</source>
        <translation>カラープロファイルが使用できないため、色は sRGB として扱います</translation>
    </message>
    <message>
        <source>not converted: its output %1 is the output of another photo of this run</source>
        <translation>変換しませんでした: 出力ファイル %1 はこの実行の別の写真の出力ファイルと同じです</translation>
    </message>
    <message>
        <source>skipped: not a regular file</source>
        <translation>スキップ: 通常のファイルではありません</translation>
    </message>
    <message>
        <source>unrecognized option &apos;%1&apos;</source>
        <translation>認識できないオプション &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; requires an argument</source>
        <translation>オプション &apos;%1&apos; には引数が必要です</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; doesn&apos;t allow an argument</source>
        <translation>オプション &apos;%1&apos; は引数を取りません</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a name</source>
        <translation>オプション &apos;%1&apos; には名前が必要です</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not end in .png: the output is a PNG picture</source>
        <translation>&apos;%1&apos; は .png で終わっていません: 出力ファイルは PNG 画像です</translation>
    </message>
    <message>
        <source>unknown flip &apos;%1&apos;: use none, horizontal or vertical</source>
        <translation>不明な反転 &apos;%1&apos;: none、horizontal、vertical のいずれかを使用してください</translation>
    </message>
    <message>
        <source>invalid color &apos;%1&apos;: use #RRGGBB</source>
        <translation>無効な色 &apos;%1&apos;: #RRGGBB を使用してください</translation>
    </message>
    <message>
        <source>no photo to convert</source>
        <translation>変換する写真がありません</translation>
    </message>
    <message>
        <source>--size cannot be combined with --width or --height</source>
        <translation>--size は --width や --height と併用できません</translation>
    </message>
    <message>
        <source>--fit cannot be combined with --size, --width or --height</source>
        <translation>--fit は --size、--width、--height と併用できません</translation>
    </message>
    <message>
        <source>--output and --output-dir cannot be combined</source>
        <translation>--output と --output-dir は併用できません</translation>
    </message>
    <message>
        <source>--output names one file: use --output-dir for several photos</source>
        <translation>--output は 1 つのファイルを指定します: 複数の写真には --output-dir を使用してください</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; converts without a window: add --convert</source>
        <translation>オプション &apos;%1&apos; はウィンドウなしで変換します: --convert を追加してください</translation>
    </message>
    <message>
        <source>no such folder</source>
        <translation>そのようなフォルダはありません</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>フォルダではありません</translation>
    </message>
    <message>
        <source>the folder cannot be written to: %1</source>
        <translation>フォルダに書き込めません: %1</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>not a photo: no format Pictorelle reads</source>
        <translation>写真ではありません: Pictorelle が読める形式ではありません</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>、残り %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>警告: %1</translation>
    </message>
    <message>
        <source>the height that keeps the aspect ratio of %1 x %2 at width %3 is %4 pixels</source>
        <translation>%1 x %2 の縦横比を幅 %3 で保つ高さは %4 ピクセルです</translation>
    </message>
    <message>
        <source>the width that keeps the aspect ratio of %1 x %2 at height %3 is %4 pixels</source>
        <translation>%1 x %2 の縦横比を高さ %3 で保つ幅は %4 ピクセルです</translation>
    </message>
    <message>
        <source>there is no frame %1: the photo has only frame 0</source>
        <translation>フレーム %1 はありません: この写真にはフレーム 0 しかありません</translation>
    </message>
    <message>
        <source>there is no frame %1: the photo has frames 0 to %2</source>
        <translation>フレーム %1 はありません: この写真のフレームは 0 から %2 までです</translation>
    </message>
    <message>
        <source>its name is longer than the %1 bytes a file name may have</source>
        <translation>名前がファイル名に使える %1 バイトを超えています</translation>
    </message>
    <message>
        <source>the path is longer than the %1 characters this program takes</source>
        <translation>パスがこのプログラムの扱える %1 文字を超えています</translation>
    </message>
    <message>
        <source>damaged: its data ends early</source>
        <translation>破損: データが途中で終わっています</translation>
    </message>
    <message>
        <source>damaged: its header does not match its data</source>
        <translation>破損: ヘッダーがデータと一致しません</translation>
    </message>
    <message>
        <source>too large: its header gives %1 x %2 pixels, over the limit of %3 pixels</source>
        <translation>大きすぎます: ヘッダーによると %1 x %2 ピクセルで、上限の %3 ピクセルを超えています</translation>
    </message>
    <message>
        <source>an output of this run, not converted again</source>
        <translation>この実行の出力ファイルのため、再変換しません</translation>
    </message>
    <message>
        <source>made the output folder %1</source>
        <translation>出力フォルダ %1 を作成しました</translation>
    </message>
    <message>
        <source>%1 kept: it exists already; --overwrite replaces it</source>
        <translation>%1 をスキップしました: 既に存在します。--overwrite で置き換えます</translation>
    </message>
    <message>
        <source>a file is in the way</source>
        <translation>同じ名前のファイルがあります</translation>
    </message>
    <message>
        <source>the folder cannot be made: %1</source>
        <translation>フォルダを作成できません: %1</translation>
    </message>
    <message>
        <source>invalid margin &apos;%1&apos;: use N pixels or N% of the shorter side</source>
        <translation>無効な余白 &apos;%1&apos;: N ピクセルまたは短辺の N% を指定してください</translation>
    </message>
    <message>
        <source>invalid font &apos;%1&apos;: use FAMILY,SIZE[,bold][,italic], SIZE in pixels (at most %3) or N% of the output&apos;s height, with at most %2 characters</source>
        <translation>無効なフォント &apos;%1&apos;: FAMILY,SIZE[,bold][,italic] の形式で、%2 文字以内で指定してください (SIZE はピクセル数 (%3 以下) または出力画像の高さの N%)</translation>
    </message>
    <message>
        <source>invalid position &apos;%1&apos;: use X,Y or one of top-left, top, top-right, left, center, right, bottom-left, bottom, bottom-right</source>
        <translation>無効な位置 &apos;%1&apos;: X,Y または top-left、top、top-right、left、center、right、bottom-left、bottom、bottom-right のいずれかを使用してください</translation>
    </message>
    <message>
        <source>the caption cannot be drawn: it does not fit on a picture of %1 x %2 pixels even at %3 pixels high</source>
        <translation>キャプションを描画できません: 高さを %3 ピクセルにしても %1 x %2 ピクセルの画像に収まりません</translation>
    </message>
    <message>
        <source>the caption is drawn %1 pixels high instead of %2, to fit on the picture</source>
        <translation>画像に収めるため、キャプションを高さ %2 ピクセルではなく %1 ピクセルで描画します</translation>
    </message>
    <message>
        <source>no space left on the device</source>
        <translation>デバイスに空き容量がありません</translation>
    </message>
    <message>
        <source>over the file size limit</source>
        <translation>ファイルサイズの上限を超えています</translation>
    </message>
    <message>
        <source>over the disk quota</source>
        <translation>ディスククォータを超えています</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>アクセスが拒否されました</translation>
    </message>
    <message>
        <source>the file system is read-only</source>
        <translation>ファイルシステムが読み取り専用です</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>名前が長すぎます</translation>
    </message>
    <message>
        <source>an input/output error</source>
        <translation>入出力エラー</translation>
    </message>
    <message>
        <source>damaged: part of its data cannot be decoded</source>
        <translation>破損: データの一部をデコードできません</translation>
    </message>
    <message>
        <source>damaged: %1</source>
        <translation>破損: %1</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>メモリが不足しています</translation>
    </message>
    <message>
        <source>the file changed while it was read</source>
        <translation>読み込み中にファイルが変更されました</translation>
    </message>
    <message>
        <source>its EXIF orientation is none of 1 to 8; its pixels are kept as stored</source>
        <translation>EXIF の向きが 1～8 のいずれでもないため、ピクセルは保存されたままです</translation>
    </message>
    <message>
        <source>its image data goes on after the last row; the rest was ignored</source>
        <translation>画像データが最後の行の後にも続いています。残りは無視しました</translation>
    </message>
    <message>
        <source>unknown details &apos;%1&apos;: use none, no-location or all</source>
        <translation>不明な詳細情報 &apos;%1&apos;: none、no-location、all のいずれかを使用してください</translation>
    </message>
    <message>
        <source>unknown file date &apos;%1&apos;: use taken or now</source>
        <translation>不明なファイル日付 &apos;%1&apos;: taken か now を使用してください</translation>
    </message>
    <message>
        <source>invalid resolution &apos;%1&apos;: use a whole number of dots per inch from 1 to %2</source>
        <translation>無効な解像度 &apos;%1&apos;: 1～%2 の整数 (dpi) を使用してください</translation>
    </message>
    <message>
        <source>it says nowhere when it was taken; its output is dated when written</source>
        <translation>撮影日時がどこにも記録されていないため、出力ファイルの日付は書き込み日時になります</translation>
    </message>
    <message>
        <source>its details (EXIF, XMP, IPTC) are damaged or too large and were left out</source>
        <translation>詳細情報 (EXIF、XMP、IPTC) が破損しているか大きすぎるため、省きました</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1、%2、%3</translation>
    </message>
    <message numerus="yes">
        <source>%n converted</source>
        <translation>
            <numerusform>変換済み %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n kept because their outputs exist</source>
        <translation>
            <numerusform>スキップ (出力ファイルが既に存在) %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>失敗 %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n times)</source>
        <translation>
            <numerusform>%1 (%n 回)</numerusform>
        </translation>
    </message>
    <message>
        <source>photos are converted with --convert: add it</source>
        <translation>写真の変換には --convert が必要です: 追加してください</translation>
    </message>
    <message>
        <source>no preset is named &apos;%1&apos;: --list-presets lists them</source>
        <translation>&apos;%1&apos; という名前のプリセットはありません: --list-presets で一覧を表示できます</translation>
    </message>
    <message>
        <source>the preset &apos;%1&apos; could not be kept: the settings cannot be written</source>
        <translation>プリセット &apos;%1&apos; を保存できませんでした: 設定を書き込めません</translation>
    </message>
    <message>
        <source>the naming pattern gives it no name</source>
        <translation>名前のパターンから名前が作れません</translation>
    </message>
    <message>
        <source>the naming pattern is empty</source>
        <translation>名前のパターンが空です</translation>
    </message>
    <message>
        <source>a name cannot hold &apos;/&apos;: outputs are named, not placed, by the pattern</source>
        <translation>名前に &apos;/&apos; は使えません: パターンは出力ファイルに名前を付けるもので、置き場所は決めません</translation>
    </message>
    <message>
        <source>unknown token &apos;%1&apos;: use {name}, {ext}, {date}, {time}, {n}, {n:4}, {folder}, {width} or {height}</source>
        <translation>不明なトークン &apos;%1&apos;: {name}、{ext}、{date}、{time}、{n}、{n:4}、{folder}、{width}、{height} のいずれかを使用してください</translation>
    </message>
    <message>
        <source>a &apos;}&apos; in the naming pattern closes no token</source>
        <translation>名前のパターンの &apos;}&apos; に対応するトークンがありません</translation>
    </message>
    <message>
        <source>the preset &apos;%1&apos; ([%2] in the settings) is damaged and was skipped: %3</source>
        <translation>プリセット &apos;%1&apos; (設定の [%2]) は破損しているため、飛ばしました: %3</translation>
    </message>
    <message>
        <source>a preset needs a name</source>
        <translation>プリセットには名前が必要です</translation>
    </message>
    <message>
        <source>a preset&apos;s name has at most %1 characters</source>
        <translation>プリセット名は %1 文字までです</translation>
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
        <translation>使い方: pictorelle [写真]...
  または: pictorelle --convert 写真... [オプション]...
  または: pictorelle --save-preset 名前 [オプション]...  |  --list-presets
写真を任意のサイズの 24 ビット PNG 画像に変換します。回転、反転、1 行のテキスト
も加えられます。

--convert なしではウィンドウが開き、写真が指定されていればそれを開きます。複数の
写真は「複数の写真を変換」ウィンドウで開きます。 --convert ありでは各写真をウィ
ンドウなしで変換します。1 枚が失敗しても他の写真は変換されます。

出力:
      --output ファイル    PNG をファイルに書き込む (名前は .png で終わること、
                           写真 1 枚のみ)
      --output-dir フォルダ
                           写真 名前.拡張子 ごとに 名前_out.png をフォルダに書き
                           込む (既定: ウィンドウが提案する出力フォルダ)
      --beside-photos      各出力ファイルを、代わりにその写真自身のフォルダに書
                           き込む (--output、--output-dir とは併用できない)
  -r, --recursive          フォルダである写真は、その中の写真とサブフォルダの写
                           真を 表す (フォルダへのリンクはたどらない)。各写真は
                           出力フォルダ の中でも同じ位置に置かれる
      --overwrite          既存の出力ファイルを置き換える (指定しない場合、 既存
                           の出力ファイルはスキップし、写真は変換しない。 これは
                           失敗ではない)
      --name パターン      各出力ファイルにパターンで名前を付ける (.png を付加):
                           {name}、{ext}、{folder}、{date} と {time} (撮影日時、
                           なければファイルの書き込み日時)、{n} (実行内の順番。
                           {n:3} で 001)、{width}、{height} (既定 {name}_out)
      --png 圧縮           fast、normal (既定)、smallest のいずれか: 大きめのフ
                           ァイルを速く、または小さいファイルを何倍もの時間で
サイズ (既定: 写真自身のサイズ):
      --size 幅x高さ       ちょうど 幅 x 高さ ピクセル
      --width 幅           幅 ピクセル、高さは縦横比を保つ
      --height 高さ        高さ ピクセル、幅は縦横比を保つ
      --fit 幅x高さ        縦横比を保ったまま 幅 x 高さ ピクセル以内に収める
      --no-enlarge         サイズ指定時、すでに収まる写真は元のサイズのまま
画像:
      --rotate 角度        時計回りに 0、90、180、270 度 (既定 0) (写真はまず回
                           転・反転され、その後サイズ変更と文字入れが行われる)
      --flip 方向          none、horizontal、vertical (既定 none)
      --frame N            アニメーションのフレーム N (0 から)、または文書のペー
                           ジ N
      --no-auto-orient     カメラが記録した向きで正立させず、保存されたままの ピ
                           クセルを使う
      --background 色      透明なピクセルを 色 (#RRGGBB) の上に置き、その後でキ
                           ャプションを描く (既定 #000000)
キャプション:
      --text テキスト      テキストを 1 行、出力に対して正立させて描く
      --position 位置      top-left、top、top-right、left、center、right、
                           bottom-left、bottom、bottom-right のいずれかで、端か
                           ら --margin だけ離す。または X,Y: その左上の角 (既定
                           0,0)
      --margin N|N%        N ピクセル、または出力の短辺の N% (既定 2%)
      --font ファミリー,サイズ[,bold][,italic]
                           サイズはピクセル数、または出力の高さの N% (既定: シス
                           テムの フォントで 4%)。幅が広すぎるキャプションは警告
                           とともに 小さく描かれ、切り取られることはない
      --color #RRGGBB      その色 (既定 #000000)
詳細情報 (既定: 保持しない):
      --metadata 種類      写真の EXIF と XMP を PNG に保持する: none、
                           no-location (日付、カメラ、作者。撮影場所は除く)、
                           all のいずれか (色は sRGB のまま)
      --file-date 時点     taken: 各出力ファイルの日付を写真の撮影日時にする。
                           now (既定): 書き込んだ日時
      --dpi N              PNG の解像度を N dpi にする (既定: 写真のまま、 指定
                           がなければ 96)
プリセット (設定に保存。2 つが同梱):
      --preset 名前        プリセットの選択から始める。後に続くオプションが その
                           一部を置き換える
      --save-preset 名前   このコマンドラインの選択 (写真は除く) を名前として 保
                           存する。写真がなければ何も変換しない
      --list-presets       プリセットとその選択を一覧表示して終了する
その他:
      --quiet              エラーのみ表示する (警告も進行状況も表示しない)
      --help               このヘルプを表示して終了する
      --version            バージョンを表示して終了する
  --                       オプションの終わり: 以降はすべて写真

メッセージは対象のファイルを示し、ロケールの言語で表示されます (LANGUAGE、
LC_ALL、 LC_MESSAGES、LANG。C と POSIX では英語)。

終了ステータス: すべての写真を変換したら 0、失敗したものがあれば 1、コマンド行が
誤っていれば 2、SIGINT、SIGTERM、SIGHUP の後は 128 + シグナル番号 (130、143、
129)。これらのシグナルは一括処理を止め、書きかけのファイルを残しません。
例: フォルダとそのサブフォルダの写真を Web 用に:
  pictorelle --convert -r photos --output-dir out --fit 1920x1920 --no-enlarge
右下の角にキャプションを入れて:
  pictorelle --convert *.jpg --output-dir out --width 1600 \
      --text &apos;Summer 2026&apos; --position bottom-right --font &apos;DejaVu Sans,5%&apos; \
      --color &apos;#FFFFFF&apos;
フォルダ内のすべての JPEG を 2 コアで:
  find photos -name &apos;*.jpg&apos; -print0 | xargs -0 -n 50 -P 2 pictorelle --convert \
      --quiet --output-dir out --width 1920 --
</translation>
    </message>
    <message>
        <source>not converted: its output %1 would replace the photo itself</source>
        <translation>変換しませんでした: 出力ファイル %1 が写真そのものを置き換えてしまいます</translation>
    </message>
    <message>
        <source>invalid background &apos;%1&apos;: use #RRGGBB</source>
        <translation>無効な背景 &apos;%1&apos;: #RRGGBB を使用してください</translation>
    </message>
    <message>
        <source>unknown PNG effort &apos;%1&apos;: use fast, normal or smallest</source>
        <translation>不明な PNG の圧縮 &apos;%1&apos;: fast、normal、smallest のいずれかを使用してください</translation>
    </message>
    <message>
        <source>--beside-photos cannot be combined with %1: it writes each output next to its own photo</source>
        <translation>--beside-photos は %1 と併用できません: 各出力ファイルをその写真の隣に書き込みます</translation>
    </message>
</context>
<context>
    <name>ConvertSeveralWindow</name>
    <message>
        <source>Convert Several Photos</source>
        <translation>複数の写真を変換</translation>
    </message>
    <message>
        <source>Photos to con&amp;vert:</source>
        <translation>変換する写真(&amp;V):</translation>
    </message>
    <message>
        <source>Add &amp;Photos...</source>
        <translation>写真を追加(&amp;P)...</translation>
    </message>
    <message>
        <source>Add &amp;Folder...</source>
        <translation>フォルダを追加(&amp;F)...</translation>
    </message>
    <message>
        <source>With its &amp;subfolders</source>
        <translation>サブフォルダも含める(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>一覧から削除(&amp;R)</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>クリア(&amp;L)</translation>
    </message>
    <message>
        <source>Each photo</source>
        <translation>各写真</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>サイズ(&amp;Z):</translation>
    </message>
    <message>
        <source>Keep the photo&apos;s size</source>
        <translation>写真のサイズのまま</translation>
    </message>
    <message>
        <source>Width, the height following</source>
        <translation>幅を指定 (高さは自動)</translation>
    </message>
    <message>
        <source>Height, the width following</source>
        <translation>高さを指定 (幅は自動)</translation>
    </message>
    <message>
        <source>Fit within, keeping the aspect ratio</source>
        <translation>縦横比を保って収める</translation>
    </message>
    <message>
        <source>Exactly</source>
        <translation>幅と高さを指定 (縦横比は保たない)</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>幅(&amp;W):</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>高さ(&amp;H):</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>&amp;Never enlarge</source>
        <translation>拡大しない(&amp;N)</translation>
    </message>
    <message>
        <source>Rot&amp;ate:</source>
        <translation>回転(&amp;A):</translation>
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
        <translation>反転(&amp;I):</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>左右</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>上下</translation>
    </message>
    <message>
        <source>Output fol&amp;der:</source>
        <translation>出力フォルダ(&amp;D):</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>参照(&amp;B)...</translation>
    </message>
    <message>
        <source>Browse for the output folder</source>
        <translation>出力フォルダを参照</translation>
    </message>
    <message>
        <source>Replace &amp;existing files</source>
        <translation>既存のファイルを置き換える(&amp;E)</translation>
    </message>
    <message>
        <source>%v of %m (%p%)</source>
        <translation>%v / %m (%p%)</translation>
    </message>
    <message>
        <source>Photos done</source>
        <translation>完了した写真</translation>
    </message>
    <message>
        <source>&amp;Open Output Folder</source>
        <translation>出力フォルダを開く(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Convert All</source>
        <translation>すべて変換(&amp;C)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>写真を追加</translation>
    </message>
    <message>
        <source>Photo Files</source>
        <translation>写真ファイル</translation>
    </message>
    <message>
        <source>Any Files (*.*)</source>
        <translation>すべてのファイル (*.*)</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>フォルダを追加</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>出力フォルダ</translation>
    </message>
    <message>
        <source>There is no photo to convert: add photos first.</source>
        <translation>変換する写真がありません: 先に写真を追加してください。</translation>
    </message>
    <message>
        <source>The output folder %1 cannot be written to: choose another.</source>
        <translation>出力フォルダ %1 に書き込めません: 別のフォルダを選んでください。</translation>
    </message>
    <message>
        <source>No program here opens folders. The converted photos are in %1</source>
        <translation>ここにはフォルダを開くプログラムがありません。変換した写真は %1 にあります</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Preview of the selected photo</source>
        <translation>選択した写真のプレビュー</translation>
    </message>
    <message>
        <source>None</source>
        <comment>photo details</comment>
        <translation>なし</translation>
    </message>
    <message>
        <source>All but location</source>
        <translation>場所以外すべて</translation>
    </message>
    <message>
        <source>All</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>P&amp;hoto details:</source>
        <translation>写真の詳細情報(&amp;H):</translation>
    </message>
    <message>
        <source>The photo&apos;s own</source>
        <translation>写真のまま</translation>
    </message>
    <message>
        <source>Dots per inch</source>
        <translation>dpi を指定</translation>
    </message>
    <message>
        <source>Resolu&amp;tion:</source>
        <translation>解像度(&amp;T):</translation>
    </message>
    <message>
        <source> dpi</source>
        <translation> dpi</translation>
    </message>
    <message>
        <source>Date the files as ta&amp;ken</source>
        <translation>ファイルの日付を撮影日時にする(&amp;K)</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>プリセット:</translation>
    </message>
    <message>
        <source>Choose a preset</source>
        <translation>プリセットを選択</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>名前を付けて保存...</translation>
    </message>
    <message>
        <source>Save the choices as a preset</source>
        <translation>選択をプリセットとして保存</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Delete the chosen preset</source>
        <translation>選択したプリセットを削除</translation>
    </message>
    <message>
        <source>Na&amp;me pattern:</source>
        <translation>名前のパターン(&amp;M):</translation>
    </message>
    <message>
        <source>Output name of the selected photo</source>
        <translation>選択した写真の出力ファイル名</translation>
    </message>
    <message>
        <source>The preset %1 cannot be used: %2</source>
        <translation>プリセット %1 は使用できません: %2</translation>
    </message>
    <message>
        <source>Some choices of the preset %1 are beyond what this window offers and were brought within its range.</source>
        <translation>プリセット %1 の一部の選択はこのウィンドウの範囲を超えているため、範囲内に収めました。</translation>
    </message>
    <message>
        <source>Name of the preset:</source>
        <translation>プリセット名:</translation>
    </message>
    <message>
        <source>Save Preset</source>
        <translation>プリセットを保存</translation>
    </message>
    <message>
        <source>The preset cannot be saved: %1</source>
        <translation>プリセットを保存できません: %1</translation>
    </message>
    <message>
        <source>The naming pattern cannot be used: %1</source>
        <translation>名前のパターンを使用できません: %1</translation>
    </message>
    <message>
        <source>A preset named %1 exists already. Replace it?</source>
        <translation>プリセット %1 は既に存在します。置き換えますか?</translation>
    </message>
    <message>
        <source>The preset %1 could not be saved.</source>
        <translation>プリセット %1 を保存できませんでした。</translation>
    </message>
    <message>
        <source>Delete the preset %1?</source>
        <translation>プリセット %1 を削除しますか?</translation>
    </message>
    <message>
        <source>The preset %1 could not be deleted.</source>
        <translation>プリセット %1 を削除できませんでした。</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1、%2、%3</translation>
    </message>
    <message numerus="yes">
        <source>%n converted</source>
        <translation>
            <numerusform>変換済み %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>失敗 %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n kept because they exist</source>
        <translation>
            <numerusform>スキップ (出力ファイルが既に存在) %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled: %1, %2, %3, %4</source>
        <translation>キャンセル: %1、%2、%3、%4</translation>
    </message>
    <message numerus="yes">
        <source>%n not converted</source>
        <translation>
            <numerusform>未変換 %n</numerusform>
        </translation>
    </message>
    <message>
        <source>These presets cannot be read and are left out of the list:
%1</source>
        <translation>次のプリセットは読み込めないため、一覧から除きました:
%1</translation>
    </message>
    <message>
        <source>The naming pattern gives this photo no name.</source>
        <translation>名前のパターンからこの写真の名前が作れません。</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>背景:</translation>
    </message>
    <message>
        <source>Colour...</source>
        <translation>色...</translation>
    </message>
    <message>
        <source>What transparent pixels are laid on, before the caption</source>
        <translation>透明なピクセルを置く下地 (キャプションより先)</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>高速</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Smallest</source>
        <translation>最小</translation>
    </message>
    <message>
        <source>PNG size:</source>
        <translation>PNG のサイズ:</translation>
    </message>
    <message>
        <source>Fast: a larger file sooner. Smallest: a smaller file in many times the time.</source>
        <translation>高速: 大きめのファイルを速く。最小: 小さいファイルを何倍もの時間で。</translation>
    </message>
    <message>
        <source>Save outputs:</source>
        <translation>出力ファイルの保存先:</translation>
    </message>
    <message>
        <source>Into this folder</source>
        <translation>このフォルダに</translation>
    </message>
    <message>
        <source>Next to each photo</source>
        <translation>各写真の隣に</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>背景</translation>
    </message>
    <message>
        <source>Background colour: %1</source>
        <translation>背景色: %1</translation>
    </message>
</context>
<context>
    <name>PhotoListModel</name>
    <message>
        <source>unreadable</source>
        <translation>読み取れません</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>写真</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>待機中</translation>
    </message>
    <message>
        <source>converting</source>
        <translation>変換中</translation>
    </message>
    <message>
        <source>converted</source>
        <translation>変換済み</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>失敗: %1</translation>
    </message>
    <message>
        <source>kept: its output exists</source>
        <translation>スキップ: 出力ファイルが既に存在します</translation>
    </message>
    <message>
        <source>not converted</source>
        <translation>未変換</translation>
    </message>
    <message>
        <source>converted; %1</source>
        <translation>変換済み。%1</translation>
    </message>
</context>
<context>
    <name>platform::FontColourDialog</name>
    <message>
        <source>Black</source>
        <translation>黒</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>栗色</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>緑</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>オリーブ</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>紺</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>紫</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>青緑</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>灰色</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>銀色</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>赤</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>ライム</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黄</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>青</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>赤紫</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>水色</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>フォント</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>色(&amp;C):</translation>
    </message>
</context>
<context>
    <name>platform::HelpWindow</name>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>進む</translation>
    </message>
</context>
</TS>
