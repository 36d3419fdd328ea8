#!/usr/bin/env python3
# Reflows a --help text so that every line fits 80 display columns (East Asian wide characters
# count two), keeping option descriptions at column 27 and example commands as shell lines.
import re, unicodedata
W = 80
COL = 27
def width(s): return sum(2 if unicodedata.east_asian_width(c) in 'WF' else 1 for c in s)
def is_cjk(c): return unicodedata.east_asian_width(c) in 'WF'
def tokens(text):
    # (token, space_before)
    out=[]; i=0; space=False
    while i < len(text):
        c=text[i]
        if c==' ':
            space=True; i+=1; continue
        if is_cjk(c):
            # keep closing punctuation with the char before (never start a line with it)
            out.append([c, space]); space=False; i+=1; continue
        j=i
        while j < len(text) and text[j] != ' ' and not is_cjk(text[j]): j+=1
        out.append([text[i:j], space]); space=False; i=j
    return out
NOSTART = set('、。，；：）)」』】〕，．！？:;,.!?）')
def wrap(text, first_width, rest_width):
    toks=tokens(text)
    lines=[]; cur=[]; limit=first_width
    def joined(parts):
        out=''
        for t,sp in parts:
            out+=(' ' if sp and out else '')+t
        return out
    for t,sp in toks:
        if cur and width(joined(cur+[(t,sp)])) > limit:
            if len(t)==1 and t in NOSTART and len(cur) > 1:
                # punctuation never starts a line: the word before it goes down with it
                last=cur.pop()
                lines.append(joined(cur)); cur=[last,(t,sp)]
            else:
                lines.append(joined(cur)); cur=[(t,sp)]
            limit=rest_width
        else:
            cur.append((t,sp))
    if cur: lines.append(joined(cur))
    return lines
OPT = re.compile(r'^(\s{2,}(?:-\S, )?--?\S+(?: [^\s]+)?)(\s+)(\S.*)$')
SHELL_TOKEN = re.compile(r"'[^']*'|\"[^\"]*\"|\S+")
def shell_lines(text):
    raw=SHELL_TOKEN.findall(text)
    toks=[]
    for t in raw:  # an option stays with its value
        if toks and toks[-1].startswith('--') and ' ' not in toks[-1] and not t.startswith('-') and t != '|':
            toks[-1] += ' ' + t
        else:
            toks.append(t)
    lines=[]; cur='  '
    for t in toks:
        sep='' if cur.strip()=='' else ' '
        if cur.strip() and width(cur+sep+t+' \\') > W:
            lines.append(cur+' \\'); cur='      '+t
        else:
            cur+=sep+t
    lines.append(cur)
    return lines
def reflow(help_text):
    src=help_text.split('\n')
    out=[]; i=0
    while i < len(src):
        line=src[i]
        if line.startswith('  ') and not line.startswith('   ') and line.rstrip().endswith(' \\') and not OPT.match(line):
            cmd=line.rstrip()[:-2]; j=i+1
            while j < len(src) and src[j-1].rstrip().endswith(' \\'):
                cmd += ' ' + src[j].strip().rstrip('\\').rstrip(); j+=1
            out += shell_lines(cmd); i=j; continue
        m=OPT.match(line)
        head_only = re.match(r'^\s{2,}(?:-\S, )?--\S+(?: \S+)?$', line) and i+1 < len(src) and src[i+1].startswith(' '*COL)
        if (m and len(m.group(2)) >= 2 and COL-2 <= width(m.group(1))+len(m.group(2)) <= COL+4) or head_only:
            head = line if head_only else m.group(1)
            desc = '' if head_only else m.group(3)
            j=i+1
            while j < len(src) and src[j].startswith(' '*COL) and src[j].strip():
                desc += ' ' + src[j].strip(); j+=1
            desc = desc.strip()
            if head_only or width(head) >= COL-1:
                out.append(head.rstrip())
                out += [' '*COL + l for l in wrap(desc, W-COL, W-COL)]
            else:
                ls = wrap(desc, W-COL, W-COL)
                out.append(head + ' '*(COL-width(head)) + ls[0])
                out += [' '*COL + l for l in ls[1:]]
            i=j; continue
        if line.startswith('  ') or not line.strip() or width(line) <= W and (i+1 >= len(src) or not src[i+1].strip() or src[i+1].startswith(' ') or line.endswith(':')):
            out.append(line); i+=1; continue
        # a paragraph: lines at column 0 until a blank, an indented line, or a line ending in ':'
        para=[line]; j=i+1
        while j < len(src) and src[j].strip() and not src[j].startswith(' ') and not para[-1].endswith(':') \
                and not src[j].endswith(':'):
            para.append(src[j]); j+=1
        text=' '.join(p.strip() for p in para)
        # CJK lines joined without a space
        text=re.sub(r'(?<=[\u3000-\u9fff\uff00-\uffef]) (?=[\u3000-\u9fff\uff00-\uffef])', '', text)
        out += wrap(text, W, W)
        i=j
    return '\n'.join(out)


if __name__ == "__main__":
    # Reflows the text on standard input: the English --help, or a translation of it.
    import sys
    sys.stdout.write(reflow(sys.stdin.read().rstrip("\n")) + "\n")
