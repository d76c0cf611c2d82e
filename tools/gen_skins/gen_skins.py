#!/usr/bin/env python3
"""Writes the 33 built-in skin files of data/skins and their resource list.

Each look of looks.toml names a few colours; derive() fills in the other roles from the window
colour and the accent, skin_template.qss turns the roles into a Qt style sheet, and every
rule's subject gets the [dqSkinned="true"] mark, so the rules reach only the widgets the skin
engine marks (src/appearance/skin_exempt.h). Before anything is written, every look is checked
for readable text: 4.5:1 (WCAG contrast ratio) for text on its background, 3:1 for disabled
text. A look that falls short stops the run.

A skin file is ".SHE" 0x00 0x03, the payload length (32-bit little-endian) and the payload,
the style sheet in UTF-8 (src/appearance/skin_file.h).

Usage: gen_skins.py [OUTPUT_DIRECTORY]   (default: data/skins)
"""

import pathlib
import re
import struct
import sys
import tomllib

HERE = pathlib.Path(__file__).resolve().parent
DEFAULT_OUTPUT = HERE.parent.parent / "data" / "skins"
SKIN_COUNT = 33
MARK = b".SHE\x00\x03"
SUBJECT_MARK = '[dqSkinned="true"]'

# (text role, background roles, minimum ratio)
CONTRAST_PAIRS = [
    ("text", ("window", "panel"), 4.5),
    ("title", ("window", "panel"), 4.5),
    ("field_text", ("field",), 4.5),
    ("button_text", ("button_top", "button_bottom", "hover_top", "hover_bottom", "pressed"), 4.5),
    ("accent_text", ("accent",), 4.5),
    ("tab_text", ("tab",), 4.5),
    ("tab_selected_text", ("tab_selected",), 4.5),
    ("header_text", ("header",), 4.5),
    ("menu_text", ("menu",), 4.5),
    ("disabled_text", ("window", "panel", "disabled_field"), 3.0),
]


def rgb(colour):
    return tuple(int(colour[i:i + 2], 16) for i in (1, 3, 5))


def hex_colour(channels):
    return "#" + "".join(f"{round(c):02x}" for c in channels)


def mix(a, b, share_of_b):
    return hex_colour(x + (y - x) * share_of_b for x, y in zip(rgb(a), rgb(b)))


def luminance(colour):
    def linear(channel):
        c = channel / 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4

    r, g, b = (linear(c) for c in rgb(colour))
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    light, dark = sorted((luminance(a), luminance(b)), reverse=True)
    return (light + 0.05) / (dark + 0.05)


def readable_on(*backgrounds):
    """White or near-black, whichever reads better on the worst of the backgrounds."""
    return max(("#ffffff", "#1c1c1c"), key=lambda t: min(contrast(t, b) for b in backgrounds))


def deepened(colour, lightest_share):
    """colour mixed with black, a step at a time, until white text reads on it and on its
    lightest shade (colour mixed with lightest_share of white)."""
    while contrast("#ffffff", mix(colour, "#ffffff", lightest_share)) < 4.6:
        colour = mix(colour, "#000000", 0.04)
    return colour


def derive(look):
    """The full set of roles: those the look names, the others derived from its seeds."""
    dark = look.get("dark", False)
    window = look["window"]
    # A look that designs its own buttons keeps its accent as it is (and is checked below).
    designed = "button_top" in look
    accent = look["accent"] if designed else deepened(look["accent"], 0.22)
    roles = {"window": window, "accent": accent}

    def role(name, value):
        roles[name] = look.get(name, value)

    white, black = "#ffffff", "#000000"
    role("text", "#e6e6e6" if dark else "#1c1c1c")
    role("panel", mix(window, white, 0.06 if dark else 0.55))
    role("panel_border", mix(window, accent, 0.35))
    role("title", mix(accent, white, 0.45) if dark else mix(accent, black, 0.25))
    role("field", mix(window, white, 0.1) if dark else white)
    role("field_text", "#ededed" if dark else "#1c1c1c")
    role("field_border", mix(window, accent, 0.45))
    role("focus", accent)
    role("button_top", mix(accent, white, 0.12))
    role("button_bottom", mix(accent, black, 0.08))
    role("button_border", mix(accent, black, 0.25))
    role("hover_top", mix(accent, white, 0.22))
    role("hover_bottom", mix(accent, white, 0.04))
    role("pressed", mix(accent, black, 0.15))
    role("button_text", readable_on(*(roles[r] for r in CONTRAST_PAIRS[3][1])))
    role("accent_text", readable_on(accent))
    role("tab", mix(window, accent, 0.12))
    role("tab_text", roles["text"])
    role("tab_selected", accent)
    role("tab_selected_text", roles["accent_text"])
    role("header", mix(window, accent, 0.15))
    role("header_text", roles["text"])
    role("menu", roles["panel"])
    role("menu_text", roles["text"])
    role("disabled_field", mix(window, white, 0.04 if dark else 0.4))
    role("disabled_text", mix(roles["text"], window, 0.5 if dark else 0.45))
    role("scroll", mix(window, accent, 0.4))
    role("radius", 3)
    unknown = set(look) - set(roles) - {"dark"}
    if unknown:
        raise SystemExit(f"unknown roles {sorted(unknown)}")
    return roles


def contrast_faults(number, roles):
    faults = []
    for text, backgrounds, minimum in CONTRAST_PAIRS:
        for background in backgrounds:
            ratio = contrast(roles[text], roles[background])
            if ratio < minimum:
                faults.append(f"skin {number}: {text} on {background} is {ratio:.2f}:1, "
                              f"below {minimum}:1")
    return faults


def mark_subject(selector):
    """Puts the mark on the last compound selector, before any pseudo-state or sub-control."""
    selector = " ".join(selector.split())
    start = max(selector.rfind(" "), selector.rfind(">")) + 1
    compound = selector[start:]
    colon = compound.find(":")
    at = start + (colon if colon >= 0 else len(compound))
    return selector[:at] + SUBJECT_MARK + selector[at:]


def style_sheet(template, roles):
    def substitute(match):
        if match.group(1) not in roles:
            raise SystemExit(f"the template names an unknown role {match.group(1)}")
        return str(roles[match.group(1)])

    text = re.sub(r"/\*.*?\*/", "", template, flags=re.S)
    text = re.sub(r"\{(\w+)\}", substitute, text)
    rules = []
    for selectors, body in re.findall(r"([^{}]+)\{([^{}]*)\}", text):
        subjects = ",".join(mark_subject(s) for s in selectors.split(","))
        declarations = ";".join(" ".join(d.split()) for d in body.split(";") if d.strip())
        rules.append(f"{subjects}{{{declarations}}}")
    return "\n".join(rules) + "\n"


def skin_file(sheet):
    payload = sheet.encode("utf-8")
    return MARK + struct.pack("<I", len(payload)) + payload


def resource_list(names):
    files = "\n".join(f"        <file>{name}</file>" for name in names)
    return ("<!DOCTYPE RCC>\n"
            "<!-- The built-in skin files, written by tools/gen_skins/gen_skins.py. -->\n"
            '<RCC version="1.0">\n    <qresource prefix="/skins">\n'
            f"{files}\n    </qresource>\n</RCC>\n")


def main():
    output = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else DEFAULT_OUTPUT
    looks = tomllib.loads((HERE / "looks.toml").read_text(encoding="utf-8"))
    template = (HERE / "skin_template.qss").read_text(encoding="utf-8")
    if sorted(int(n) for n in looks) != list(range(1, SKIN_COUNT + 1)):
        raise SystemExit(f"looks.toml must define the skins 1 to {SKIN_COUNT}")
    roles = {int(n): derive(look) for n, look in looks.items()}
    faults = [f for n in sorted(roles) for f in contrast_faults(n, roles[n])]
    if faults:
        raise SystemExit("\n".join(faults))
    output.mkdir(parents=True, exist_ok=True)
    names = []
    for number in range(1, SKIN_COUNT + 1):
        name = f"skin{number:02d}.she"
        (output / name).write_bytes(skin_file(style_sheet(template, roles[number])))
        names.append(name)
    (output / "skins.qrc").write_text(resource_list(names), encoding="utf-8")
    print(f"wrote {len(names)} skins to {output}")


if __name__ == "__main__":
    main()
