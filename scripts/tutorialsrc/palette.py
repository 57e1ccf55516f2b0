"""Swatches of the colour pages: a row of shades and tints per colour, and partners
on the colour band with their role. Hex values only, no names of products."""

SWATCHES = {
    "blue": ["#0B1F4B", "#1F3A68", "#2B5DA8", "#4A90D9", "#9CC3EE", "#DCEBFA"],
    "red": ["#5C0A0A", "#8E1B1B", "#C0211F", "#DA251D", "#EE6B5F", "#F9C9C2"],
    "green": ["#0E3B1E", "#1E6B35", "#2E8B47", "#5CAF5F", "#A6D49C", "#E0F1DA"],
    "yellow": ["#8A6D00", "#C9A200", "#F3BE0E", "#FEFC00", "#FFF176", "#FFFBD6"],
    "orange": ["#7A3300", "#B85300", "#E46B18", "#F39A3D", "#F8C48C", "#FDEBD8"],
    "black": ["#000000", "#111111", "#1E1E24", "#232B2B", "#2E2A26", "#3A3A3A"],
    "pink": ["#8C1D5A", "#C2407F", "#E86FA4", "#F4A6C6", "#F9CFE0", "#FDEEF4"],
    "white": ["#FFFFFF", "#FFFDF7", "#F8F8F8", "#F4F7FB", "#FAF3E8", "#EFEFEF"],
    "violet": ["#2D0B4E", "#4B1C7A", "#6C34A3", "#9268C4", "#C3A9E0", "#EBE1F5"],
    "gold": ["#6B4E0E", "#9C7418", "#C5982B", "#D4AF37", "#E6C97A", "#F5EACB"],
    "silver": ["#5E6770", "#848C94", "#A7AFB7", "#C0C6CC", "#D9DDE1", "#EEF0F2"],
    "brown": ["#2E1A0E", "#4E2E18", "#6F4326", "#8E5B3A", "#B88B68", "#E3CDB8"],
    "gray": ["#2B2B2B", "#4D4D4D", "#707070", "#969696", "#BDBDBD", "#E3E3E3"],
}

# (hex, role key); the role keys are translated in the generator.
PARTNERS = {
    "blue": [("#E46B18", "complement"), ("#F3BE0E", "split"), ("#2E8B47", "neighbour"), ("#A7AFB7", "neutral"), ("#FFFFFF", "neutral")],
    "red": [("#00928D", "complement"), ("#0079C2", "split"), ("#E46B18", "neighbour"), ("#1E1E24", "neutral"), ("#FFFFFF", "neutral")],
    "green": [("#A9187A", "complement"), ("#DA251D", "split"), ("#0092D6", "neighbour"), ("#6F4326", "earth"), ("#F5EACB", "neutral")],
    "yellow": [("#4B1C7A", "complement"), ("#1F3A68", "split"), ("#E46B18", "neighbour"), ("#000000", "neutral"), ("#707070", "neutral")],
    "orange": [("#0079C2", "complement"), ("#1F3A68", "split"), ("#F3BE0E", "neighbour"), ("#6F4326", "earth"), ("#FFFFFF", "neutral")],
    "black": [("#DA251D", "accent"), ("#F3BE0E", "accent"), ("#D4AF37", "metal"), ("#C0C6CC", "metal"), ("#FFFFFF", "neutral")],
    "pink": [("#2E8B47", "complement"), ("#A7AFB7", "neutral"), ("#1E1E24", "neutral"), ("#9CC3EE", "neighbour"), ("#FFFFFF", "neutral")],
    "white": [("#1F3A68", "accent"), ("#DA251D", "accent"), ("#2E8B47", "accent"), ("#1E1E24", "neutral"), ("#707070", "neutral")],
    "violet": [("#F3BE0E", "complement"), ("#D4AF37", "metal"), ("#E86FA4", "neighbour"), ("#2B5DA8", "neighbour"), ("#EBE1F5", "neutral")],
    "gold": [("#1F3A68", "accent"), ("#000000", "neutral"), ("#8E1B1B", "accent"), ("#1E6B35", "accent"), ("#FFFDF7", "neutral")],
    "silver": [("#1F3A68", "accent"), ("#000000", "neutral"), ("#DA251D", "accent"), ("#4A90D9", "neighbour"), ("#FFFFFF", "neutral")],
    "brown": [("#9CC3EE", "complement"), ("#2E8B47", "earth"), ("#E46B18", "neighbour"), ("#D4AF37", "metal"), ("#F5EACB", "neutral")],
    "gray": [("#DA251D", "accent"), ("#E46B18", "accent"), ("#0092D6", "accent"), ("#FFFFFF", "neutral"), ("#1E1E24", "neutral")],
}

# A text colour and a background that show the colour at work.
SAMPLES = {
    "blue": [("#1F3A68", "#FFFFFF"), ("#FFFFFF", "#2B5DA8"), ("#F3BE0E", "#1F3A68")],
    "red": [("#FFFFFF", "#C0211F"), ("#8E1B1B", "#FFFDF7"), ("#DA251D", "#00928D")],
    "green": [("#FFFFFF", "#1E6B35"), ("#1E6B35", "#E0F1DA"), ("#DA251D", "#2E8B47")],
    "yellow": [("#000000", "#FEFC00"), ("#F3BE0E", "#1F3A68"), ("#FEFC00", "#FFFFFF")],
    "orange": [("#FFFFFF", "#B85300"), ("#E46B18", "#1F3A68"), ("#F39A3D", "#FFFFFF")],
    "black": [("#FFFFFF", "#111111"), ("#D4AF37", "#000000"), ("#111111", "#FFFDF7")],
    "pink": [("#C2407F", "#FFFFFF"), ("#F4A6C6", "#1E1E24"), ("#8C1D5A", "#FDEEF4")],
    "white": [("#1E1E24", "#FFFFFF"), ("#FFFFFF", "#2B5DA8"), ("#FFFFFF", "#F3BE0E")],
    "violet": [("#FEFC00", "#4B1C7A"), ("#4B1C7A", "#EBE1F5"), ("#FFFFFF", "#6C34A3")],
    "gold": [("#D4AF37", "#1F3A68"), ("#D4AF37", "#000000"), ("#C5982B", "#FFFFFF")],
    "silver": [("#1F3A68", "#C0C6CC"), ("#C0C6CC", "#1E1E24"), ("#848C94", "#D9DDE1")],
    "brown": [("#4E2E18", "#FAF3E8"), ("#F5EACB", "#6F4326"), ("#6F4326", "#A6D49C")],
    "gray": [("#2B2B2B", "#FFFFFF"), ("#BDBDBD", "#FFFFFF"), ("#FFFFFF", "#707070")],
}
