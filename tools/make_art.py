#!/usr/bin/env python3
"""Re-makes Pelkor's icons and the demo game folder.

Writes res/pelkor.ico, res/mascot.ico, demo/gr.ini and demo/Palettes/*.pal,
then reads each icon back and checks it decodes to what was drawn.
Standard library only: the icon format is written by hand with struct.

    python3 tools/make_art.py
"""
import math
import os
import struct

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# One 16-colour palette for every picture, keyed by the character used to
# draw with it. Index 0 must be black: a transparent pixel is XOR 0 under
# AND 1, and black is also what 'k' paints where the mask is 0.
PALETTE = [
    ('k', (0, 0, 0)), ('w', (255, 255, 255)),
    ('g', (200, 200, 208)), ('G', (120, 120, 132)),   # light and mid grey
    ('c', (44, 44, 56)),                              # charcoal outline
    ('r', (220, 44, 44)), ('R', (140, 22, 30)), ('h', (255, 136, 128)),
    ('o', (244, 140, 28)), ('y', (252, 212, 52)),
    ('b', (150, 206, 250)), ('B', (52, 108, 204)), ('n', (26, 46, 104)),
    ('p', (250, 164, 184)), ('e', (64, 168, 76)), ('s', (246, 230, 196)),
]
INDEX = {ch: i for i, (ch, _) in enumerate(PALETTE)}
INDEX['.'] = None  # transparent


# ---------------------------------------------------------------- .ico I/O

def stride(bits_per_row):
    return (bits_per_row + 31) // 32 * 4


def encode_dib(grid):
    """4-bpp DIB for an icon: header, palette, XOR rows, 1-bpp AND rows."""
    h, w = len(grid), len(grid[0])
    xs, ms = stride(w * 4), stride(w)
    xor, mask = bytearray(), bytearray()
    for row in reversed(grid):  # DIBs are stored bottom-up
        line, bits = bytearray(xs), bytearray(ms)
        for x, px in enumerate(row):
            if px is None:
                bits[x // 8] |= 0x80 >> (x % 8)
            else:
                line[x // 2] |= px << (0 if x % 2 else 4)
        xor += line
        mask += bits
    # Height is doubled: the AND mask counts as the lower half.
    header = struct.pack('<IiiHHIIiiII', 40, w, 2 * h, 1, 4, 0,
                         len(xor) + len(mask), 0, 0, 0, 0)
    pal = b''.join(bytes((b, g, r, 0)) for _, (r, g, b) in PALETTE)
    return header + pal + bytes(xor) + bytes(mask)


def write_ico(path, grids):
    dibs = [encode_dib(g) for g in grids]
    out = struct.pack('<HHH', 0, 1, len(dibs))
    offset = 6 + 16 * len(dibs)
    for g, d in zip(grids, dibs):
        w, h = len(g[0]), len(g)
        out += struct.pack('<BBBBHHII', w % 256, h % 256, 16, 0, 1, 4,
                           len(d), offset)
        offset += len(d)
    out += b''.join(dibs)
    save(path, out)


def read_ico(data):
    """Decodes every image back to a grid of indices (None = transparent)."""
    assert struct.unpack_from('<HH', data) == (0, 1), 'not an icon file'
    images = []
    for i in range(struct.unpack_from('<H', data, 4)[0]):
        w, h, colours, _, planes, bpp, size, off = struct.unpack_from(
            '<BBBBHHII', data, 6 + 16 * i)
        assert (colours, planes, bpp) == (16, 1, 4), 'directory entry'
        header = struct.unpack_from('<IiiHHI', data, off)
        assert header == (40, w, 2 * h, 1, 4, 0), 'image header'
        xs, ms = stride(w * 4), stride(w)
        assert size == 40 + 64 + (xs + ms) * h <= len(data) - off, 'size'
        pix = off + 40 + 64
        msk = pix + xs * h
        grid = []
        for y in reversed(range(h)):
            row = []
            for x in range(w):
                idx = data[pix + y * xs + x // 2] >> (0 if x % 2 else 4) & 15
                clear = data[msk + y * ms + x // 8] & (0x80 >> (x % 8))
                assert not (clear and idx), 'transparent pixel with colour'
                row.append(None if clear else idx)
            grid.append(row)
        images.append(grid)
    return images


def save(path, data):
    full = os.path.join(ROOT, path)
    os.makedirs(os.path.dirname(full), exist_ok=True)
    with open(full, 'wb') as f:
        f.write(data)


# ------------------------------------------------------------ program icon

# At 16x16 the drawn shapes turn to noise, so that size is placed by hand.
SMALL_FLAG = [
    '.yy.............',
    '.yy.............',
    '.gGwwkkggccwwkk.',
    '.gGwwkkggccwwkk.',
    '.gGkkwwccggkkww.',
    '.gGkkwwccggkkww.',
    '.gGwwkkggccwwkk.',
    '.gGwwkkggccwwkk.',
] + ['.gG.............'] * 8
SMALL_GEAR = [
    '....rr....',
    '.rr.rr.rr.',
    '.rrrrrrrR.',
    '..rrkkrR..',
    'rrrk..kRRR',
    'rrrk..kRRR',
    '..rRkkRR..',
    '.rRRRRRRR.',
    '.RR.RR.RR.',
    '....RR....',
]


def small_icon():
    rows = [list(r) for r in SMALL_FLAG]
    for y, line in enumerate(SMALL_GEAR):
        for x, ch in enumerate(line):
            if ch != '.':
                rows[6 + y][6 + x] = ch
    return to_indices(rows)


def app_icon(n):
    """Chequered flag on a pole with a red gear: racing plus settings."""
    p0 = pw = round(n * 0.08)              # pole's left edge and width
    f0, f1 = p0 + pw, round(n * 0.95)      # flag's left and right edges

    def shape(x, y):
        """(layer, colour) of the topmost shape at a pixel; layer 0 is none."""
        px, py = x + .5, y + .5
        # Gear: six square teeth round a hub with a hole.
        dx, dy = px - n * 0.70, py - n * 0.71
        tooth = math.cos(6 * math.atan2(dy, dx) + 0.5) > -0.15
        if n * 0.07 < math.hypot(dx, dy) <= n * (0.27 if tooth else 0.19):
            return 3, ('R' if dx + dy > n * 0.1 else
                       'h' if dx + dy < -n * 0.16 else 'r')
        # Waving flag: a sine on both edges, and the checks follow it.
        if f0 <= x < f1:
            s = (px - f0) / (f1 - f0)
            top = n * (0.13 + 0.05 * math.sin(2 * math.pi * s))
            t = (py - top) / (n * 0.44)
            if 0 <= t < 1:
                away = math.cos(2 * math.pi * s) < -0.35  # fold in shadow
                dark = (int(s * 6) + int(t * 4)) % 2
                return 2, ('ck' if dark else 'gw')[0 if away else 1]
        if math.hypot(px - p0 - pw / 2, py - n * 0.08) <= n * 0.075:
            return 1, 'y'  # gold knob
        if p0 <= x < f0 and py > n * 0.12:
            return 1, 'G' if x == f0 - 1 else 'g'
        return 0, '.'

    shapes = [[shape(x, y) for x in range(n)] for y in range(n)]

    def layer(x, y):
        return shapes[y][x][0] if 0 <= x < n and 0 <= y < n else 0

    # Outline each shape where it meets the background or a shape behind it.
    rows = []
    for y in range(n):
        row = ''
        for x in range(n):
            lay, ch = shapes[y][x]
            near = (layer(x - 1, y), layer(x + 1, y),
                    layer(x, y - 1), layer(x, y + 1))
            row += ('k' if lay == 3 else 'c') if min(near) < lay else ch
        rows.append(row)
    return to_indices(rows)


# ------------------------------------------------------------------ mascot

# Left half of a round little car seen from the front; the right half is
# its mirror image. Its windscreen is its eyes and its grille a smile.
MASCOT_HALF = [
    '..........kkkkkkk',
    '........kkrrrrrrr',
    '.......krhhhrrrrr',
    '......krhrrrrrrrr',
    '.....krrkkkkkkkkk',
    '.....krkbbbbbbbbb',
    '....krkbbbbkkkkbb',
    '....krkbbbkwwwwkb',
    '....krkbbkwwkkwwk',
    '...krrkbbkwwkkwwk',
    '...krrkbbkwwwwwwk',
    '..krrrkbbbkwwwwkb',
    '.krrrrkkkkkkkkkkk',
    'krrrrrrrrrrrrrrrr',
    'krkkkkrrrrrrrrrrr',
    'kkwyywkrpprrrrrrr',
    'kkyyyykrrrrrrkrrr',
    'krkkkkrrrrrrrrkkk',
    'kRRRRRRRRRRRRRRRR',
    'kkGGGGGGkkkkkkkkk',
    '.kcGGGGck........',
    '..kkkkkk.........',
]


def mascot():
    rows = [half + half[::-1] for half in MASCOT_HALF]
    # Put both eye glints on the same side so it looks at the viewer.
    for y, x in ((8, 12), (8, 20)):
        rows[y] = rows[y][:x] + 'w' + rows[y][x + 1:]
    return to_indices(rows)


def scale(grid, w, h):
    """Nearest-neighbour resize, for the larger DPI copy of a drawing."""
    sh, sw = len(grid), len(grid[0])
    return [[grid[y * sh // h][x * sw // w] for x in range(w)]
            for y in range(h)]


def to_indices(rows):
    return [[INDEX[ch] for ch in row] for row in rows]


# ------------------------------------------------------------ demo folder

GR_INI = r"""; Game settings. The options screen rewrites this file on exit.
[Misc]
PlayerName=Driver
PaletteFile=Palettes\gr.pal
Language=english
ScreenshotWidth=640
ScreenshotHeight=480
ShowIntro=1
AlternativeSpeedSetting=0
LastTrack=3
ScreenshotFormat=bmp
[Sound]
Volume=80
MusicVolume=65
EffectsVolume=90
Channels=16
[Replay]
Length=600
AutoSave=0
FrameStep=5
[Controls]
; Key names as shown in the options screen.
Player1Up=Up
Player1Down=Down
Player1Left=Left
Player1Right=Right
Player1Fire=RightCtrl
Player2Up=W
Player2Down=S
Player2Left=A
Player2Right=D
Player2Fire=LeftCtrl
[Viewport]
ViewAngle=default
CameraShake=1
Rotation=default
Zoom=default
[Graphics]
FasterTrackPreview=0
Fullscreen=1
TyreAutoSort=1
Gamma=1.0
VideoMemory=autodetect
Skidmarks=1
[Network]
Port=27500
LastServer=192.168.0.10
Timeout=30
"""

# Colour stops (position 0..255, RGB) for each palette file.
PALETTES = {
    'gr': None,  # built below: eight ramps, the usual in-game layout
    'night': [(0, (0, 0, 8)), (96, (20, 24, 80)), (176, (90, 60, 150)),
              (230, (200, 190, 240)), (255, (255, 255, 255))],
    'sunset': [(0, (20, 4, 30)), (80, (120, 20, 70)), (150, (230, 70, 40)),
               (210, (250, 160, 50)), (255, (255, 240, 170))],
    'desert': [(0, (40, 24, 10)), (90, (140, 90, 40)), (170, (220, 180, 110)),
               (220, (245, 225, 180)), (255, (170, 210, 240))],
}


def gradient(stops):
    out = bytearray()
    for i in range(256):
        (a, ca), (b, cb) = next((s, t) for s, t in zip(stops, stops[1:])
                                if s[0] <= i <= t[0])
        f = (i - a) / (b - a)
        out += bytes(round(p + (q - p) * f) for p, q in zip(ca, cb))
    return bytes(out)


def game_palette():
    hues = [(255, 255, 255), (255, 0, 0), (0, 255, 0), (0, 0, 255),
            (255, 255, 0), (0, 255, 255), (255, 0, 255), (255, 128, 0)]
    return bytes(round(c * i / 31) for hue in hues for i in range(32)
                 for c in hue)


# -------------------------------------------------------------------- main

def main():
    icons = {
        'res/pelkor.ico': [small_icon(), app_icon(32), app_icon(48)],
        'res/mascot.ico': [mascot(), scale(mascot(), 51, 33)],
    }
    for path, grids in icons.items():
        write_ico(path, grids)
        with open(os.path.join(ROOT, path), 'rb') as f:
            assert read_ico(f.read()) == grids, path + ' does not read back'

    save('demo/gr.ini', GR_INI.replace('\n', '\r\n').encode('ascii'))
    for name, stops in PALETTES.items():
        data = game_palette() if stops is None else gradient(stops)
        assert len(data) == 768
        save('demo/Palettes/%s.pal' % name, data)

    for path in list(icons) + ['demo/gr.ini'] + [
            'demo/Palettes/%s.pal' % n for n in PALETTES]:
        size = os.path.getsize(os.path.join(ROOT, path))
        print('%-24s %6d bytes' % (path, size))


if __name__ == '__main__':
    main()
