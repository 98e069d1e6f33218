"""The two shipped skins as data: palette and geometry.

Paleglass is the light default skin; Coalrim is the dark skin with large
rounded corners.  Everything the drawing code needs to tell them apart is
here, so elements.py holds one drawing routine per element.
"""

from dataclasses import dataclass, field

from raster import hex_colour as c


@dataclass(frozen=True)
class CaptionButtonStyle:
    width: int              # frame width of one caption button
    height: int             # frame height
    y: int                  # distance from the window's top edge
    right_inset: int        # distance from the window's right edge to the close button
    gap: int                # space between neighbouring buttons
    radius: int             # corner radius of the hover/pressed plate (0: full rectangle)
    glyph: int              # glyph box size in pixels


@dataclass(frozen=True)
class Theme:
    name: str
    folder: str
    # window frame geometry
    caption_height: int
    side_width: int
    bottom_height: int
    corner_radius: int
    # caption text
    text_alignment: int
    text_shift: int
    text_right_clip: int
    font_height: int
    caption_buttons: CaptionButtonStyle
    # palette
    face: tuple
    text: tuple
    text_dim: tuple
    caption: tuple
    outline: tuple
    outline_inactive: tuple
    client_edge: tuple
    accent: tuple
    accent_soft: tuple          # tinted fill for hot states
    accent_press: tuple         # tinted fill for pressed states
    line: tuple                 # ordinary control outline
    line_soft: tuple            # disabled outline and separators
    field: tuple                # edit and list background
    field_disabled: tuple
    glyph: tuple                # arrows and caption glyphs
    glyph_disabled: tuple
    control: tuple              # push button face
    control_hot: tuple
    danger: tuple               # close button hover
    danger_press: tuple
    menu: tuple
    menu_line: tuple
    selection: tuple
    selection_line: tuple
    selection_text: tuple
    thumb: tuple
    thumb_hot: tuple
    thumb_press: tuple
    track: tuple
    radius: int                 # corner radius of controls
    progress_style: int         # 0: two-frame bar, 1: separate chunk strip
    own_track_images: bool      # ship "Track"/"TRACKVERT" instead of the engine's
    presets: tuple = field(default_factory=tuple)


PALEGLASS = Theme(
    name="Paleglass", folder="paleglass",
    caption_height=30, side_width=4, bottom_height=4, corner_radius=5,
    text_alignment=0, text_shift=14, text_right_clip=150, font_height=14,
    caption_buttons=CaptionButtonStyle(width=46, height=28, y=1, right_inset=1,
                                       gap=0, radius=0, glyph=10),
    face=c("f3f5f8"), text=c("1e293b"), text_dim=c("808a98"),
    caption=c("e7edf5"),
    outline=c("3a70c8"), outline_inactive=c("a0aab8"), client_edge=c("cfd7e2"),
    accent=c("3a70c8"), accent_soft=c("e3edfb"), accent_press=c("cddcf3"),
    line=c("b9c3d0"), line_soft=c("d8dde4"),
    field=c("ffffff"), field_disabled=c("f0f2f5"),
    glyph=c("3c4654"), glyph_disabled=c("b0b8c4"),
    control=c("ffffff"), control_hot=c("eef4fd"),
    danger=c("d23030"), danger_press=c("a82424"),
    menu=c("ffffff"), menu_line=c("bcc5d2"),
    selection=c("dde8f9"), selection_line=c("a9c3ec"), selection_text=c("1e293b"),
    thumb=c("bcc5d2"), thumb_hot=c("9eabbd"), thumb_press=c("7d8da4"),
    track=c("e9edf2"),
    radius=3, progress_style=0, own_track_images=False,
    presets=(c("3a70c8"), c("2e9e6e")),
)

COALRIM = Theme(
    name="Coalrim", folder="coalrim",
    caption_height=32, side_width=5, bottom_height=5, corner_radius=11,
    text_alignment=1, text_shift=36, text_right_clip=110, font_height=15,
    caption_buttons=CaptionButtonStyle(width=28, height=22, y=5, right_inset=11,
                                       gap=2, radius=6, glyph=8),
    face=c("2d3138"), text=c("dee2e8"), text_dim=c("7a808a"),
    caption=c("1e2127"),
    outline=c("38b2a0"), outline_inactive=c("40464f"), client_edge=c("15171b"),
    accent=c("38b2a0"), accent_soft=c("354047"), accent_press=c("1f5a53"),
    line=c("565e6a"), line_soft=c("3c424b"),
    field=c("24272d"), field_disabled=c("2a2e34"),
    glyph=c("c8cdd4"), glyph_disabled=c("5f6670"),
    control=c("3a3f48"), control_hot=c("444a55"),
    danger=c("e05252"), danger_press=c("b33c3c"),
    menu=c("24282e"), menu_line=c("464c56"),
    selection=c("26786e"), selection_line=c("38b2a0"), selection_text=c("f0faf8"),
    thumb=c("565e6a"), thumb_hot=c("6c7582"), thumb_press=c("38b2a0"),
    track=c("262a30"),
    radius=4, progress_style=1, own_track_images=True,
    presets=(c("38b2a0"), c("e0a040")),
)

THEMES = (PALEGLASS, COALRIM)
