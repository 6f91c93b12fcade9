#!/usr/bin/env python3
"""Writes the corpus of odd and damaged gr.ini files under tests/data/ini/.

Each file is named for what it tries. The outcome the program must give for each is
listed in tests/data/ini/outcomes.txt: "window" (shown, with the values the profile
functions return) or "No.01" (the settings cannot be shown; the program ends).
"""
import os
import random

HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "ini")

KNOWN = [
    ("Misc", "PaletteFile", "Palettes\\gr.pal"),
    ("Misc", "ScreenshotWidth", "640"),
    ("Misc", "ScreenshotHeight", "480"),
    ("Misc", "AlternativeSpeedSetting", "0"),
    ("Misc", "ScreenshotFormat", "bmp"),
    ("Replay", "Length", "600"),
    ("Replay", "FrameStep", "5"),
    ("Viewport", "ViewAngle", "default"),
    ("Viewport", "Rotation", "default"),
    ("Viewport", "Zoom", "default"),
    ("Graphics", "FasterTrackPreview", "0"),
    ("Graphics", "TyreAutoSort", "1"),
    ("Graphics", "VideoMemory", "autodetect"),
]
UNKNOWN = {"Misc": [("PlayerName", "Driver")], "Graphics": [("Gamma", "1.0")]}


def lines(overrides=None, eol="\r\n", fmt="{k}={v}", drop=(), extra_sections=True):
    overrides = overrides or {}
    out = ["; settings of the game"]
    for section in ("Misc", "Replay", "Viewport", "Graphics"):
        out.append("[%s]" % section)
        for s, k, v in KNOWN:
            if s == section and k not in drop:
                out.append(fmt.format(k=k, v=overrides.get(k, v)))
        for k, v in UNKNOWN.get(section, []):
            out.append(fmt.format(k=k, v=v))
        if extra_sections and section == "Misc":
            out += ["[Sound]", "Volume=80", "; music off by default", "Music=0"]
    return (eol.join(out) + eol).encode("cp932")


def write(name, data, outcome):
    with open(os.path.join(HERE, name + ".ini"), "wb") as f:
        f.write(data)
    OUTCOMES.append((name, outcome))


OUTCOMES = []


def main():
    os.makedirs(HERE, exist_ok=True)
    for old in os.listdir(HERE):
        os.remove(os.path.join(HERE, old))
    rnd = random.Random(20261207)

    write("typical", lines(), "window")
    write("empty", b"", "No.01")
    write("only_blank_lines", b"\r\n\r\n   \r\n\r\n", "No.01")
    write("only_comments", b"; nothing here\r\n;ScreenshotWidth=640\r\n", "No.01")
    write("no_sections", b"".join(b"%s=%s\r\n" % (k.encode(), v.encode()) for _, k, v in KNOWN), "No.01")
    dup_sections = lines() + b"[Misc]\r\nScreenshotWidth=800\r\nExtra=1\r\n"
    write("duplicate_sections", dup_sections, "window")
    write("duplicate_keys", lines().replace(b"ScreenshotWidth=640\r\n", b"ScreenshotWidth=640\r\nScreenshotWidth=abc\r\n"),
          "window")
    write("keys_in_other_case", lines().replace(b"[Misc]", b"[MISC]").replace(b"ScreenshotWidth", b"screenshotwidth"),
          "window")
    write("blanks_around_equals", lines(fmt="  {k} =  {v}  "), "window")
    write("values_in_quotes", lines(fmt='{k}="{v}"'), "window")
    write("tabs", lines(fmt="{k}\t=\t{v}\t"), "window")
    write("lf_line_endings", lines(eol="\n"), "window")
    write("cr_line_endings", lines(eol="\r"), "window")
    write("utf8_bom", b"\xef\xbb\xbf" + lines().decode("cp932").encode("utf-8"), "window")
    write("utf16_bom", b"\xff\xfe" + lines().decode("cp932").encode("utf-16-le"), "window")
    write("shift_jis_values", lines({"PaletteFile": "Palettes\\夜景.pal", "ScreenshotFormat": "ビットマップ"}), "window")
    write("shift_jis_unknown_keys", lines() + "[設定]\r\n名前=運転手\r\n".encode("cp932"), "window")
    write("invalid_shift_jis", lines().replace(b"PlayerName=Driver", b"PlayerName=\x81\x20\xff\xfe\x82"), "window")
    write("nul_bytes", lines().replace(b"Gamma=1.0", b"Gamma=1\x000").replace(b"ScreenshotFormat=bmp",
                                                                            b"ScreenshotFormat=b\x00mp"), "window")
    write("value_of_2000_bytes", lines({"ScreenshotFormat": "x" * 2000}), "window")
    big = bytearray(b"; a large file\r\n")
    n = 0
    while len(big) < 1024 * 1024:
        big += b"[Track%05d]\r\nName=Track number %d\r\nLaps=5\r\nBest=00:59.123\r\n" % (n, n)
        n += 1
    write("one_megabyte_of_sections", bytes(big) + lines(), "window")
    write("numbers_with_signs", lines({"ScreenshotWidth": "+640", "FasterTrackPreview": "-0", "ViewAngle": "+45"}),
          "window")
    write("numbers_with_exponents", lines({"ScreenshotWidth": "6.4e2", "Zoom": "1E2"}), "window")
    write("decimal_comma", lines({"ScreenshotWidth": "640,5"}), "No.01")
    write("leading_zeros", lines({"ScreenshotWidth": "0640", "TyreAutoSort": "0001", "Rotation": "007"}), "window")
    write("width_32767", lines({"ScreenshotWidth": "32767"}), "window")
    write("width_32768", lines({"ScreenshotWidth": "32768"}), "No.01")
    write("width_minus_32768", lines({"ScreenshotWidth": "-32768"}), "window")
    write("width_minus_32769", lines({"ScreenshotWidth": "-32769"}), "No.01")
    write("switch_32768", lines({"AlternativeSpeedSetting": "32768"}), "No.01")
    write("camera_at_the_ends", lines({"ViewAngle": "0", "Rotation": "359", "Zoom": "10"}), "window")
    write("camera_zoom_255", lines({"Zoom": "255"}), "window")
    write("camera_angle_360", lines({"ViewAngle": "360"}), "No.01")
    write("camera_rotation_minus_1", lines({"Rotation": "-1"}), "No.01")
    write("camera_zoom_9", lines({"Zoom": "9"}), "No.01")
    write("camera_zoom_256", lines({"Zoom": "256"}), "No.01")
    write("camera_default_in_capitals", lines({"ViewAngle": "DEFAULT"}), "No.01")
    write("switch_empty", lines({"FasterTrackPreview": ""}), "No.01")
    write("switch_missing", lines(drop=("TyreAutoSort",)), "No.01")
    write("optional_keys_missing", lines(drop=("PaletteFile", "Length", "FrameStep", "ScreenshotHeight",
                                               "VideoMemory", "ScreenshotFormat")), "window")
    write("section_without_closing_bracket", lines().replace(b"[Graphics]", b"[Graphics"), "No.01")
    write("binary_garbage", bytes(rnd.randrange(256) for _ in range(4096)), "No.01")

    with open(os.path.join(HERE, "outcomes.txt"), "w", encoding="utf-8", newline="\n") as f:
        f.write("# file outcome: window (shown) or No.01 (cannot be shown; the program ends)\n")
        for name, outcome in OUTCOMES:
            f.write("%s %s\n" % (name, outcome))


if __name__ == "__main__":
    main()
