#!/usr/bin/env python3
"""Writes the seed inputs of the fuzz targets, one file per edge case, into
the folders beside this script. Run again after changing a case."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def server_list(flags, text, file):
    return bytes([flags, len(text)]) + text + file


def lines(*entries):
    return b"".join(e + b"\r\n" for e in entries)


def flag_codec(words, positions=(0,) * 9, flags=0):
    return struct.pack("<III", *words) + struct.pack("<9b", *positions) + bytes([flags])


def launch_writes(online, flag6_size, flag1, flag6, server_type, server=b""):
    return (bytes([online, flag6_size]) + struct.pack("<I", flag1) + struct.pack("<Q", flag6)
            + bytes([server_type]) + server)


HISTORY = [b"host%d.example.net" % i for i in range(1, 12)]

SEEDS = {
    "server_list_fuzzer": {
        "crlf_lines": server_list(0, b"", b"A\r\nB\r\n"),
        "lf_without_final_end": server_list(0, b"", b"A\nB"),
        "cr_cr_gives_empty_entry": server_list(0, b"", b"A\r\rB"),
        "nul_ends_contents": server_list(0, b"", b"A\x00B\r\n"),
        "empty_file": server_list(0, b"new", b""),
        "lone_cr_at_end": server_list(0, b"", b"A\r"),
        "nine_entries_new_text": server_list(0, b"new", lines(*HISTORY[:9])),
        "ten_entries_new_text": server_list(0, b"new", lines(*HISTORY[:10])),
        "eleven_entries_new_text": server_list(0, b"new", lines(*HISTORY[:11])),
        "built_in_in_small_letters": server_list(0, b"doder server", lines(b"a")),
        "third_entry_other_case": server_list(0, b"PLAY.example", lines(b"a", b"b", b"play.Example")),
        "empty_text_and_empty_line": server_list(0, b"", lines(b"", b"x")),
        "write_fails": server_list(1, b"new", lines(b"old")),
        "invalid_double_byte": server_list(0, b"\x81\x7f", b"\x81\r\n\xc4\xe3\xc4\r\n\xff\xff\r\n"),
        "text_with_line_end": server_list(0, b"a\r\nb", lines(b"old")),
    },
    "flag_codec_fuzzer": {
        "all_zero": flag_codec((0, 0, 0)),
        "all_left": flag_codec((0x77F40002, 0x54, 0)),
        "all_right": flag_codec((0x080B0004, 0x16, 0), (2, 2, 2, 2, 2, 1, 1, 1, 2)),
        "all_one": flag_codec((0x06000000, 0x35, 0), (1,) * 9),
        "mode_word_all_bits": flag_codec((0, 0, 0xFFFFFFFF), flags=3),
        "trackbar1_partial": flag_codec((0x04000000, 0, 4)),
        "trackbar2_bit1_only": flag_codec((0x00000002, 0, 0)),
        "trackbar2_both": flag_codec((0x08200000, 0, 0)),
        "trackbar4_incomplete": flag_codec((0x00090000, 0, 0)),
        "trackbar4_all_bits": flag_codec((0x00190004, 0, 0)),
        "flag1_both_pairs": flag_codec((0, 0x63, 0)),
        "positions_out_of_range": flag_codec((0, 0, 0), (3, -1, 127, -128, 5, 2, 2, 2, 3), flags=1),
    },
    "font_values_fuzzer": {
        "empty": b"",
        "no_choice_text": b"It is not chosen.",
        "marker_only": b"=TA",
        "marker_at_end": b"Arial=TA",
        "marker_at_start": b"=TAArial",
        "marker_twice": b"a=TA=TA",
        "longest_face_name": b"F" * 31,
        "double_byte_name": b"\xcb\xce\xcc\xe5",
        "beyond_buffer": b"x" * 128,
    },
    "launch_writes_fuzzer": {
        "online_default_host": launch_writes(1, 4, 0, 0, 0),
        "online_custom_abc": launch_writes(1, 4, 0x100, 2, 1, b"abc"),
        "custom_server_missing": launch_writes(1, 4, 0, 2, 0),
        "windowed_custom": launch_writes(1, 4, 0, 3, 1, b"abc"),
        "server_expand_sz": launch_writes(1, 4, 0, 2, 2, b"%PATH%"),
        "server_dword": launch_writes(1, 4, 0, 2, 4, b"\x07\x00\x00\x00"),
        "server_nul_inside": launch_writes(1, 4, 0, 2, 1, b"ab\x00cd"),
        "mode_word_8_bytes": launch_writes(1, 8, 0, 3, 1, b"abc"),
        "mode_word_2_bytes": launch_writes(1, 2, 0, 3, 1, b"abc"),
        "mode_word_0_bytes": launch_writes(1, 0, 0, 3, 1, b"abc"),
        "offline_windowed": launch_writes(0, 4, 0xFFFFFFFF, 1, 1, b"abc"),
    },
}

for target, seeds in SEEDS.items():
    folder = os.path.join(HERE, target)
    os.makedirs(folder, exist_ok=True)
    for name, data in seeds.items():
        with open(os.path.join(folder, name), "wb") as out:
            out.write(data)
