<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>COrvanelDlg</name>
    <message>
        <source>Convert Several Photos...</source>
        <translation>转换多张照片...</translation>
    </message>
    <message>
        <source>Keep Photo Details</source>
        <translation>保留照片详细信息</translation>
    </message>
</context>
<context>
    <name>CaptionBox</name>
    <message>
        <source>Caption</source>
        <translation>说明文字</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>文字(&amp;T)：</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>% of the height</source>
        <translation>高度的 %</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>像素</translation>
    </message>
    <message>
        <source>Size unit</source>
        <translation>大小单位</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>左上</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>顶部</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>右上</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左侧</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>居中</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右侧</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>左下</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>底部</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>右下</translation>
    </message>
    <message>
        <source>At X, Y</source>
        <translation>坐标 X, Y</translation>
    </message>
    <message>
        <source>&amp;Margin:</source>
        <translation>边距(&amp;M)：</translation>
    </message>
    <message>
        <source>% of the shorter side</source>
        <translation>短边的 %</translation>
    </message>
    <message>
        <source>Margin unit</source>
        <translation>边距单位</translation>
    </message>
    <message>
        <source>&amp;X:</source>
        <translation>&amp;X：</translation>
    </message>
    <message>
        <source>&amp;Y:</source>
        <translation>&amp;Y：</translation>
    </message>
    <message>
        <source>Text X</source>
        <translation>文字 X</translation>
    </message>
    <message>
        <source>Text Y</source>
        <translation>文字 Y</translation>
    </message>
    <message>
        <source>, bold</source>
        <translation>，粗体</translation>
    </message>
    <message>
        <source>, italic</source>
        <translation>，斜体</translation>
    </message>
    <message>
        <source>Caption font: %1</source>
        <translation>说明文字字体：%1</translation>
    </message>
    <message>
        <source>Font &amp;&amp; colo&amp;ur...</source>
        <translation>字体和颜色(&amp;U)...</translation>
    </message>
    <message>
        <source>Text hei&amp;ght:</source>
        <translation>文字高度(&amp;G)：</translation>
    </message>
    <message>
        <source>Place:</source>
        <translation>位置：</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>the imaging library could not start</source>
        <translation>图像库无法启动</translation>
    </message>
    <message>
        <source>Try &apos;pictorelle --help&apos; for more information.</source>
        <translation>请尝试执行“pictorelle --help”以获取更多信息。</translation>
    </message>
    <message>
        <source>the text cannot be drawn: no font is installed</source>
        <translation>无法绘制文字：未安装任何字体</translation>
    </message>
    <message>
        <source>interrupted; the photos not yet saved were not converted</source>
        <translation>已中断；尚未保存的照片未被转换</translation>
    </message>
    <message>
        <source>file exists; use --overwrite to replace it</source>
        <translation>文件已存在；使用 --overwrite 替换它</translation>
    </message>
    <message>
        <source>an output of %1 x %2 pixels is above the limit of %3 pixels</source>
        <translation>%1 x %2 像素的输出图片超过了 %3 像素的上限</translation>
    </message>
    <message>
        <source>its colour profile is unusable; its colours are taken as sRGB</source>
        <translation>其颜色配置文件不可用；其颜色按 sRGB 处理</translation>
    </message>
    <message>
        <source>not converted: its output %1 is the output of another photo of this run</source>
        <translation>未转换：其输出文件 %1 也是本次运行中另一张照片的输出文件</translation>
    </message>
    <message>
        <source>skipped: not a regular file</source>
        <translation>已跳过：不是普通文件</translation>
    </message>
    <message>
        <source>unrecognized option &apos;%1&apos;</source>
        <translation>无法识别的选项“%1”</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; requires an argument</source>
        <translation>选项“%1”需要一个参数</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; doesn&apos;t allow an argument</source>
        <translation>选项“%1”不接受参数</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a name</source>
        <translation>选项“%1”需要一个名称</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not end in .png: the output is a PNG picture</source>
        <translation>“%1”不以 .png 结尾：输出文件是 PNG 图片</translation>
    </message>
    <message>
        <source>unknown flip &apos;%1&apos;: use none, horizontal or vertical</source>
        <translation>未知的翻转方式“%1”：请使用 none、horizontal 或 vertical</translation>
    </message>
    <message>
        <source>invalid color &apos;%1&apos;: use #RRGGBB</source>
        <translation>无效的颜色“%1”：请使用 #RRGGBB</translation>
    </message>
    <message>
        <source>no photo to convert</source>
        <translation>没有要转换的照片</translation>
    </message>
    <message>
        <source>--size cannot be combined with --width or --height</source>
        <translation>--size 不能与 --width 或 --height 同时使用</translation>
    </message>
    <message>
        <source>--fit cannot be combined with --size, --width or --height</source>
        <translation>--fit 不能与 --size、--width 或 --height 同时使用</translation>
    </message>
    <message>
        <source>--output and --output-dir cannot be combined</source>
        <translation>--output 和 --output-dir 不能同时使用</translation>
    </message>
    <message>
        <source>--output names one file: use --output-dir for several photos</source>
        <translation>--output 只指定一个文件：多张照片请使用 --output-dir</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; converts without a window: add --convert</source>
        <translation>选项“%1”只用于无窗口转换（--convert）：请加上 --convert</translation>
    </message>
    <message>
        <source>no such folder</source>
        <translation>文件夹不存在</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>不是文件夹</translation>
    </message>
    <message>
        <source>the folder cannot be written to: %1</source>
        <translation>无法写入该文件夹：%1</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>not a photo: no format Pictorelle reads</source>
        <translation>不是照片：不是 Pictorelle 能读取的格式</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>，剩余 %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>警告：%1</translation>
    </message>
    <message>
        <source>the height that keeps the aspect ratio of %1 x %2 at width %3 is %4 pixels</source>
        <translation>在宽度 %3 下保持 %1 x %2 宽高比的高度为 %4 像素</translation>
    </message>
    <message>
        <source>the width that keeps the aspect ratio of %1 x %2 at height %3 is %4 pixels</source>
        <translation>在高度 %3 下保持 %1 x %2 宽高比的宽度为 %4 像素</translation>
    </message>
    <message>
        <source>there is no frame %1: the photo has only frame 0</source>
        <translation>没有第 %1 帧：该照片只有第 0 帧</translation>
    </message>
    <message>
        <source>there is no frame %1: the photo has frames 0 to %2</source>
        <translation>没有第 %1 帧：该照片的帧为 0 到 %2</translation>
    </message>
    <message>
        <source>its name is longer than the %1 bytes a file name may have</source>
        <translation>其名称超过了文件名允许的 %1 字节</translation>
    </message>
    <message>
        <source>the path is longer than the %1 characters this program takes</source>
        <translation>路径超过了本程序接受的 %1 个字符</translation>
    </message>
    <message>
        <source>damaged: its data ends early</source>
        <translation>已损坏：其数据提前结束</translation>
    </message>
    <message>
        <source>damaged: its header does not match its data</source>
        <translation>已损坏：其文件头与数据不符</translation>
    </message>
    <message>
        <source>too large: its header gives %1 x %2 pixels, over the limit of %3 pixels</source>
        <translation>太大：其文件头给出 %1 x %2 像素，超过了 %3 像素的上限</translation>
    </message>
    <message>
        <source>an output of this run, not converted again</source>
        <translation>本次运行的输出文件，不再转换</translation>
    </message>
    <message>
        <source>made the output folder %1</source>
        <translation>已创建输出文件夹 %1</translation>
    </message>
    <message>
        <source>%1 kept: it exists already; --overwrite replaces it</source>
        <translation>已跳过 %1：文件已存在；--overwrite 可替换它</translation>
    </message>
    <message>
        <source>a file is in the way</source>
        <translation>已有同名文件</translation>
    </message>
    <message>
        <source>the folder cannot be made: %1</source>
        <translation>无法创建文件夹：%1</translation>
    </message>
    <message>
        <source>invalid margin &apos;%1&apos;: use N pixels or N% of the shorter side</source>
        <translation>无效的边距“%1”：请使用 N 像素或短边的 N%</translation>
    </message>
    <message>
        <source>invalid font &apos;%1&apos;: use FAMILY,SIZE[,bold][,italic], SIZE in pixels (at most %3) or N% of the output&apos;s height, with at most %2 characters</source>
        <translation>无效的字体“%1”：请使用 FAMILY,SIZE[,bold][,italic]，SIZE 为像素数（最多 %3）或输出图片高度的 N%，最多 %2 个字符</translation>
    </message>
    <message>
        <source>invalid position &apos;%1&apos;: use X,Y or one of top-left, top, top-right, left, center, right, bottom-left, bottom, bottom-right</source>
        <translation>无效的位置“%1”：请使用 X,Y 或 top-left、top、top-right、left、center、right、bottom-left、bottom、bottom-right 之一</translation>
    </message>
    <message>
        <source>the caption cannot be drawn: it does not fit on a picture of %1 x %2 pixels even at %3 pixels high</source>
        <translation>无法绘制说明文字：即使高度为 %3 像素，也无法放入 %1 x %2 像素的图片</translation>
    </message>
    <message>
        <source>the caption is drawn %1 pixels high instead of %2, to fit on the picture</source>
        <translation>说明文字以 %1 像素的高度绘制（而非 %2），以便放入图片</translation>
    </message>
    <message>
        <source>no space left on the device</source>
        <translation>设备上没有剩余空间</translation>
    </message>
    <message>
        <source>over the file size limit</source>
        <translation>超过文件大小限制</translation>
    </message>
    <message>
        <source>over the disk quota</source>
        <translation>超过磁盘配额</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>权限不足</translation>
    </message>
    <message>
        <source>the file system is read-only</source>
        <translation>文件系统为只读</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>名称过长</translation>
    </message>
    <message>
        <source>an input/output error</source>
        <translation>输入/输出错误</translation>
    </message>
    <message>
        <source>damaged: part of its data cannot be decoded</source>
        <translation>已损坏：其部分数据无法解码</translation>
    </message>
    <message>
        <source>damaged: %1</source>
        <translation>已损坏：%1</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>the file changed while it was read</source>
        <translation>文件在读取过程中被更改</translation>
    </message>
    <message>
        <source>its EXIF orientation is none of 1 to 8; its pixels are kept as stored</source>
        <translation>其 EXIF 方向不在 1 到 8 之间；像素按存储时的方向保留</translation>
    </message>
    <message>
        <source>its image data goes on after the last row; the rest was ignored</source>
        <translation>其图像数据在最后一行之后仍有内容；其余部分已忽略</translation>
    </message>
    <message>
        <source>unknown details &apos;%1&apos;: use none, no-location or all</source>
        <translation>未知的详细信息选项“%1”：请使用 none、no-location 或 all</translation>
    </message>
    <message>
        <source>unknown file date &apos;%1&apos;: use taken or now</source>
        <translation>未知的文件日期“%1”：请使用 taken 或 now</translation>
    </message>
    <message>
        <source>invalid resolution &apos;%1&apos;: use a whole number of dots per inch from 1 to %2</source>
        <translation>无效的分辨率“%1”：请使用 1 到 %2 之间的整数（每英寸点数）</translation>
    </message>
    <message>
        <source>it says nowhere when it was taken; its output is dated when written</source>
        <translation>其中没有记录拍摄时间；输出文件的日期为写入时间</translation>
    </message>
    <message>
        <source>its details (EXIF, XMP, IPTC) are damaged or too large and were left out</source>
        <translation>其详细信息（EXIF、XMP、IPTC）已损坏或过大，已省略</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1，%2，%3</translation>
    </message>
    <message numerus="yes">
        <source>%n converted</source>
        <translation>
            <numerusform>已转换 %n 张</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n kept because their outputs exist</source>
        <translation>
            <numerusform>已跳过（输出文件已存在）%n 张</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>失败 %n 张</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n times)</source>
        <translation>
            <numerusform>%1（%n 次）</numerusform>
        </translation>
    </message>
    <message>
        <source>photos are converted with --convert: add it</source>
        <translation>转换照片需要 --convert: 请添加</translation>
    </message>
    <message>
        <source>no preset is named &apos;%1&apos;: --list-presets lists them</source>
        <translation>没有名为“%1”的预设: 可用 --list-presets 列出</translation>
    </message>
    <message>
        <source>the preset &apos;%1&apos; could not be kept: the settings cannot be written</source>
        <translation>无法保存预设“%1”: 无法写入设置</translation>
    </message>
    <message>
        <source>the naming pattern gives it no name</source>
        <translation>命名模式无法为其生成名称</translation>
    </message>
    <message>
        <source>the naming pattern is empty</source>
        <translation>命名模式为空</translation>
    </message>
    <message>
        <source>a name cannot hold &apos;/&apos;: outputs are named, not placed, by the pattern</source>
        <translation>名称不能包含“/”: 模式只为输出文件命名，不决定其位置</translation>
    </message>
    <message>
        <source>unknown token &apos;%1&apos;: use {name}, {ext}, {date}, {time}, {n}, {n:4}, {folder}, {width} or {height}</source>
        <translation>未知的标记“%1”: 请使用 {name}、{ext}、{date}、{time}、{n}、{n:4}、{folder}、{width} 或 {height}</translation>
    </message>
    <message>
        <source>a &apos;}&apos; in the naming pattern closes no token</source>
        <translation>命名模式中的“}”没有对应的标记</translation>
    </message>
    <message>
        <source>the preset &apos;%1&apos; ([%2] in the settings) is damaged and was skipped: %3</source>
        <translation>预设“%1”(设置中的 [%2]) 已损坏，已跳过: %3</translation>
    </message>
    <message>
        <source>a preset needs a name</source>
        <translation>预设需要一个名称</translation>
    </message>
    <message>
        <source>a preset&apos;s name has at most %1 characters</source>
        <translation>预设名称最多 %1 个字符</translation>
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
        <translation>用法: pictorelle [照片]...
  或: pictorelle --convert 照片... [选项]...
  或: pictorelle --save-preset 名称 [选项]...  |  --list-presets
将照片转换为任意尺寸的 24 位 PNG 图片，可旋转、翻转并加上一行文字。

不带 --convert 时打开窗口，若指定了照片则在其中打开；多张照片在“转换多张照片”窗
口中打开。带 --convert 时每张照片都在无窗口的情况下转换；某张失败时其他照片仍会
转换。

输出:
      --output 文件        将 PNG 写入文件，文件名须以 .png 结尾 (仅限一张 照片)
      --output-dir 文件夹  为每张照片 名称.扩展名 在文件夹中写入 名称_out.png (
                           默认: 窗口建议的输出文件夹)
      --beside-photos      改为将每个输出文件写入其照片所在的文件夹 (不能与
                           --output 或 --output-dir 同用)
  -r, --recursive          作为文件夹的照片代表其中的照片及其子文件夹中的照片 (
                           不跟随指向文件夹的链接)；每张照片在输出文件夹中 保持
                           其相对位置
      --overwrite          替换已存在的输出文件 (不带此选项时， 已存在的输出文件
                           会被跳过，对应的照片不转换，这不算失败)
      --name 模式          按模式为每个输出文件命名 (添加 .png): {name}、{ext}、
                           {folder}、{date} 和 {time} (拍摄时间，否则为文件写入
                           时间)、{n} (在本次运行中的序号；{n:3} 得到 001)、
                           {width}、{height} (默认 {name}_out)
      --png 压缩           fast、normal (默认) 或 smallest: 更快得到较大的文件，
                           或用数倍的时间得到较小的文件
尺寸 (默认: 照片本身的尺寸):
      --size 宽x高         正好 宽 x 高 像素
      --width 宽           宽 像素，高度保持宽高比
      --height 高          高 像素，宽度保持宽高比
      --fit 宽x高          保持宽高比，限制在 宽 x 高 像素以内
      --no-enlarge         指定尺寸时，已在其范围内的照片保持原尺寸
图片:
      --rotate 角度        顺时针旋转 0、90、180 或 270 度 (默认 0) (照片先旋转
                           和翻转，再调整尺寸并添加文字)
      --flip 方式          none、horizontal 或 vertical (默认 none)
      --frame N            动画的第 N 帧 (从 0 开始)，或文档的第 N 页
      --no-auto-orient     保持像素的存储方向，不按相机记录的方向 摆正
      --background 颜色    将透明像素置于颜色 (#RRGGBB) 之上，再绘制说明文字 (默
                           认 #000000)
说明文字:
      --text 文字          在输出上正向绘制一行文字
      --position 位置      top-left、top、top-right、left、center、right、
                           bottom-left、bottom 或 bottom-right，与边缘相距
                           --margin；或 X,Y: 其左上角 (默认 0,0)
      --margin N|N%        N 像素，或输出短边的 N% (默认 2%)
      --font 字体族,大小[,bold][,italic]
                           大小为像素数，或输出高度的 N% (默认: 系统字体，4%)；
                           过宽的说明文字会缩小绘制并给出警告，绝不截断
      --color #RRGGBB      其颜色 (默认 #000000)
详细信息 (默认: 不保留):
      --metadata 哪些      在 PNG 中保留照片的 EXIF 和 XMP: none、 no-location (
                           日期、相机和作者，不含拍摄地点) 或 all (颜色保持
                           sRGB)
      --file-date 何时     taken: 每个输出文件的日期设为其照片的拍摄时间； now (
                           默认): 写入时间
      --dpi N              PNG 的分辨率设为 N dpi (默认: 照片自身的， 没有则为
                           96)
预设 (保存在设置中；附带两个):
      --preset 名称        从预设的选择开始；其后的选项会替换其中的一项
      --save-preset 名称   将此命令行的选择 (不含照片) 保存为名称；没有照片 时不
                           转换任何内容
      --list-presets       列出预设及其选择并退出
其他:
      --quiet              只输出错误 (不输出警告和进度)
      --help               显示此帮助并退出
      --version            显示版本并退出
  --                       选项结束: 其后均为照片

消息会指明所涉及的文件，并使用区域设置的语言 (LANGUAGE、LC_ALL、 LC_MESSAGES、
LANG；C 和 POSIX 为英语)。

退出状态: 所有照片都已转换为 0，有照片失败为 1，命令行有误为 2，收到 SIGINT、
SIGTERM 或 SIGHUP 后为 128 + 信号编号 (130、143、129)，这些信号会停止批处理且不
留下不完整的文件。
示例，将文件夹及其子文件夹中的照片转换为网页用:
  pictorelle --convert -r photos --output-dir out --fit 1920x1920 --no-enlarge
在右下角加上说明文字:
  pictorelle --convert *.jpg --output-dir out --width 1600 \
      --text &apos;Summer 2026&apos; --position bottom-right --font &apos;DejaVu Sans,5%&apos; \
      --color &apos;#FFFFFF&apos;
用两个核心转换文件夹中的每个 JPEG:
  find photos -name &apos;*.jpg&apos; -print0 | xargs -0 -n 50 -P 2 pictorelle --convert \
      --quiet --output-dir out --width 1920 --
</translation>
    </message>
    <message>
        <source>not converted: its output %1 would replace the photo itself</source>
        <translation>未转换：其输出文件 %1 会替换照片本身</translation>
    </message>
    <message>
        <source>invalid background &apos;%1&apos;: use #RRGGBB</source>
        <translation>无效的背景“%1”：请使用 #RRGGBB</translation>
    </message>
    <message>
        <source>unknown PNG effort &apos;%1&apos;: use fast, normal or smallest</source>
        <translation>未知的 PNG 压缩“%1”：请使用 fast、normal 或 smallest</translation>
    </message>
    <message>
        <source>--beside-photos cannot be combined with %1: it writes each output next to its own photo</source>
        <translation>--beside-photos 不能与 %1 同时使用：它将每个输出文件写在其照片旁边</translation>
    </message>
</context>
<context>
    <name>ConvertSeveralWindow</name>
    <message>
        <source>Convert Several Photos</source>
        <translation>转换多张照片</translation>
    </message>
    <message>
        <source>Photos to con&amp;vert:</source>
        <translation>要转换的照片(&amp;V)：</translation>
    </message>
    <message>
        <source>Add &amp;Photos...</source>
        <translation>添加照片(&amp;P)...</translation>
    </message>
    <message>
        <source>Add &amp;Folder...</source>
        <translation>添加文件夹(&amp;F)...</translation>
    </message>
    <message>
        <source>With its &amp;subfolders</source>
        <translation>包括子文件夹(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>移除(&amp;R)</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>清空(&amp;L)</translation>
    </message>
    <message>
        <source>Each photo</source>
        <translation>每张照片</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>尺寸(&amp;Z)：</translation>
    </message>
    <message>
        <source>Keep the photo&apos;s size</source>
        <translation>保持照片原尺寸</translation>
    </message>
    <message>
        <source>Width, the height following</source>
        <translation>指定宽度，高度按比例</translation>
    </message>
    <message>
        <source>Height, the width following</source>
        <translation>指定高度，宽度按比例</translation>
    </message>
    <message>
        <source>Fit within, keeping the aspect ratio</source>
        <translation>限制在范围内，保持宽高比</translation>
    </message>
    <message>
        <source>Exactly</source>
        <translation>精确尺寸</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>宽度(&amp;W)：</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>高度(&amp;H)：</translation>
    </message>
    <message>
        <source> px</source>
        <translation> 像素</translation>
    </message>
    <message>
        <source>&amp;Never enlarge</source>
        <translation>从不放大(&amp;N)</translation>
    </message>
    <message>
        <source>Rot&amp;ate:</source>
        <translation>旋转(&amp;A)：</translation>
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
        <translation>翻转(&amp;I)：</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>水平</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>垂直</translation>
    </message>
    <message>
        <source>Output fol&amp;der:</source>
        <translation>输出文件夹(&amp;D)：</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>浏览(&amp;B)...</translation>
    </message>
    <message>
        <source>Browse for the output folder</source>
        <translation>浏览输出文件夹</translation>
    </message>
    <message>
        <source>Replace &amp;existing files</source>
        <translation>替换已有文件(&amp;E)</translation>
    </message>
    <message>
        <source>%v of %m (%p%)</source>
        <translation>%v / %m（%p%）</translation>
    </message>
    <message>
        <source>Photos done</source>
        <translation>已完成的照片</translation>
    </message>
    <message>
        <source>&amp;Open Output Folder</source>
        <translation>打开输出文件夹(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Convert All</source>
        <translation>全部转换(&amp;C)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>添加照片</translation>
    </message>
    <message>
        <source>Photo Files</source>
        <translation>照片文件</translation>
    </message>
    <message>
        <source>Any Files (*.*)</source>
        <translation>所有文件 (*.*)</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>添加文件夹</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>输出文件夹</translation>
    </message>
    <message>
        <source>There is no photo to convert: add photos first.</source>
        <translation>没有要转换的照片：请先添加照片。</translation>
    </message>
    <message>
        <source>The output folder %1 cannot be written to: choose another.</source>
        <translation>无法写入输出文件夹 %1：请另选一个。</translation>
    </message>
    <message>
        <source>No program here opens folders. The converted photos are in %1</source>
        <translation>此处没有可打开文件夹的程序。转换后的照片在 %1 中</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Preview of the selected photo</source>
        <translation>所选照片的预览</translation>
    </message>
    <message>
        <source>None</source>
        <comment>photo details</comment>
        <translation>无</translation>
    </message>
    <message>
        <source>All but location</source>
        <translation>除位置外全部</translation>
    </message>
    <message>
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>P&amp;hoto details:</source>
        <translation>照片详细信息(&amp;H)：</translation>
    </message>
    <message>
        <source>The photo&apos;s own</source>
        <translation>与照片相同</translation>
    </message>
    <message>
        <source>Dots per inch</source>
        <translation>每英寸点数</translation>
    </message>
    <message>
        <source>Resolu&amp;tion:</source>
        <translation>分辨率(&amp;T)：</translation>
    </message>
    <message>
        <source> dpi</source>
        <translation> dpi</translation>
    </message>
    <message>
        <source>Date the files as ta&amp;ken</source>
        <translation>文件日期设为拍摄时间(&amp;K)</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>预设：</translation>
    </message>
    <message>
        <source>Choose a preset</source>
        <translation>选择预设</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>另存为...</translation>
    </message>
    <message>
        <source>Save the choices as a preset</source>
        <translation>将选择保存为预设</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Delete the chosen preset</source>
        <translation>删除所选预设</translation>
    </message>
    <message>
        <source>Na&amp;me pattern:</source>
        <translation>命名模式(&amp;M)：</translation>
    </message>
    <message>
        <source>Output name of the selected photo</source>
        <translation>所选照片的输出文件名</translation>
    </message>
    <message>
        <source>The preset %1 cannot be used: %2</source>
        <translation>无法使用预设 %1：%2</translation>
    </message>
    <message>
        <source>Some choices of the preset %1 are beyond what this window offers and were brought within its range.</source>
        <translation>预设 %1 的部分选择超出了本窗口提供的范围，已调整到范围之内。</translation>
    </message>
    <message>
        <source>Name of the preset:</source>
        <translation>预设名称：</translation>
    </message>
    <message>
        <source>Save Preset</source>
        <translation>保存预设</translation>
    </message>
    <message>
        <source>The preset cannot be saved: %1</source>
        <translation>无法保存预设：%1</translation>
    </message>
    <message>
        <source>The naming pattern cannot be used: %1</source>
        <translation>无法使用命名模式：%1</translation>
    </message>
    <message>
        <source>A preset named %1 exists already. Replace it?</source>
        <translation>名为 %1 的预设已存在。要替换吗？</translation>
    </message>
    <message>
        <source>The preset %1 could not be saved.</source>
        <translation>无法保存预设 %1。</translation>
    </message>
    <message>
        <source>Delete the preset %1?</source>
        <translation>要删除预设 %1 吗？</translation>
    </message>
    <message>
        <source>The preset %1 could not be deleted.</source>
        <translation>无法删除预设 %1。</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1，%2，%3</translation>
    </message>
    <message numerus="yes">
        <source>%n converted</source>
        <translation>
            <numerusform>已转换 %n 张</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>失败 %n 张</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n kept because they exist</source>
        <translation>
            <numerusform>已跳过（输出文件已存在）%n 张</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled: %1, %2, %3, %4</source>
        <translation>已取消：%1，%2，%3，%4</translation>
    </message>
    <message numerus="yes">
        <source>%n not converted</source>
        <translation>
            <numerusform>未转换 %n 张</numerusform>
        </translation>
    </message>
    <message>
        <source>These presets cannot be read and are left out of the list:
%1</source>
        <translation>以下预设无法读取，已从列表中略去：
%1</translation>
    </message>
    <message>
        <source>The naming pattern gives this photo no name.</source>
        <translation>命名模式无法为这张照片生成名称。</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>背景：</translation>
    </message>
    <message>
        <source>Colour...</source>
        <translation>颜色...</translation>
    </message>
    <message>
        <source>What transparent pixels are laid on, before the caption</source>
        <translation>透明像素所置于的底色 (在说明文字之前)</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>快速</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>Smallest</source>
        <translation>最小</translation>
    </message>
    <message>
        <source>PNG size:</source>
        <translation>PNG 大小：</translation>
    </message>
    <message>
        <source>Fast: a larger file sooner. Smallest: a smaller file in many times the time.</source>
        <translation>快速：更快得到较大的文件。最小：用数倍的时间得到较小的文件。</translation>
    </message>
    <message>
        <source>Save outputs:</source>
        <translation>输出文件保存到：</translation>
    </message>
    <message>
        <source>Into this folder</source>
        <translation>此文件夹</translation>
    </message>
    <message>
        <source>Next to each photo</source>
        <translation>每张照片旁边</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>背景</translation>
    </message>
    <message>
        <source>Background colour: %1</source>
        <translation>背景颜色：%1</translation>
    </message>
</context>
<context>
    <name>PhotoListModel</name>
    <message>
        <source>unreadable</source>
        <translation>无法读取</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>照片</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>尺寸</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>等待中</translation>
    </message>
    <message>
        <source>converting</source>
        <translation>转换中</translation>
    </message>
    <message>
        <source>converted</source>
        <translation>已转换</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>失败：%1</translation>
    </message>
    <message>
        <source>kept: its output exists</source>
        <translation>已跳过（输出文件已存在）</translation>
    </message>
    <message>
        <source>not converted</source>
        <translation>未转换</translation>
    </message>
    <message>
        <source>converted; %1</source>
        <translation>已转换；%1</translation>
    </message>
</context>
<context>
    <name>platform::FontColourDialog</name>
    <message>
        <source>Black</source>
        <translation>黑色</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>栗色</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>绿色</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>橄榄色</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>藏青色</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>紫色</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>蓝绿色</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>灰色</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>银色</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>红色</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>酸橙色</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黄色</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>紫红色</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>青色</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白色</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>字体</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>颜色(&amp;C)：</translation>
    </message>
</context>
<context>
    <name>platform::HelpWindow</name>
    <message>
        <source>Back</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前进</translation>
    </message>
</context>
</TS>
