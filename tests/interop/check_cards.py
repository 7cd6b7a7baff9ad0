#!/usr/bin/env python3
"""Exports users' cards with nuvclient, reads each with the two vCard readers and checks that
every value they decode equals the one in the store.

    check_cards.py --client NUVCLIENT --data DIR --readers BUILD_DIR --work DIR

DIR must be a data folder the client has filled with its sample users; the hostile users are
added to it first. Exits 1 on any mismatch or on any step that cannot be done."""

import argparse
import collections
import json
import re
import sqlite3
import subprocess
import sys
from pathlib import Path

# The text keys a card carries.
TEXT_KEYS = [
    "UINString", "DefinedHandle", "FirstName", "LastName", "PrimaryEmail", "WorkCompany",
    "WorkDepartment", "WorkJobTitle", "WorkAddress", "WorkCity", "WorkState", "WorkZipCode",
    "HomeAddress", "HomeCity", "HomeState", "HomeZipCode", "HomeHomepage", "WorkHomepage",
    "HomePhone", "HomeFax", "WorkPhone", "WorkFax", "HomeCell",
]
INTEGER_TYPES = {"i8", "u8", "i16", "u16", "i32", "u32", "bool"}
# Properties whose value has parts separated by ";".
STRUCTURED = {"N", "ORG", "ADR"}
ISO_COUNTRIES = "/usr/share/iso-codes/json/iso_3166-1.json"
READERS = {"libebook-contacts": "read_vcard_ebook", "KContacts": "read_vcard_kcontacts"}


class Failure(Exception):
    """A step that could not be done."""


# --- The hostile users -------------------------------------------------------------------------

def mixed_scripts(length, offset=0):
    """|length| characters cycling through many scripts, combining marks and characters outside
    the Basic Multilingual Plane among them."""
    alphabet = ("ΑβγΔεЖзИйКлМнПр中文字漢語日本語カタカナひらがな한국어글자ÅæøßçñéèêëĳŒ"
                "עבריתالعربيةहिन्दीไทยᚠᛇᚻ𝄞😀𐍈e\u0301a\u0308")
    return "".join(alphabet[(offset + i) % len(alphabet)] for i in range(length))


def hostile_users():
    """(number, record) pairs; a record maps a key to (type, value)."""
    users = []

    def add(number, texts, home_country=0, work_country=0, gender=0):
        record = {key: ("text", value) for key, value in texts.items()}
        record["UIN"] = ("u32", number)
        record["HomeCountry"] = ("i16", home_country)
        record["WorkCountry"] = ("i16", work_country)
        record["Gender"] = ("u8", gender)
        users.append((number, record))

    # The separators of a card line, at the start, middle and end of every text key.
    add(3000001, {k: f";,\\:={k}=:\\,;" for k in TEXT_KEYS}, 33, 1124, 1)
    add(3000002, {k: f"{k};a,b\\c:d=e\\n\\;\\,\\\\" for k in TEXT_KEYS}, 1, 7, 2)
    # Line breaks: LF, then CR LF, also at the ends of the value.
    add(3000003, {k: f"\n{k}\nsecond line\n" for k in TEXT_KEYS}, 44, 49, 1)
    add(3000004, {k: f"\r\n{k}\r\nsecond line\r\n" for k in TEXT_KEYS}, 81, 1036, 2)
    # All of them at once, with text outside ASCII.
    add(3000005, {k: f"{k}é;\r\n,\\:=\n— ;" for k in TEXT_KEYS}, 1076, 39, 1)
    # 200 characters of mixed scripts in the names, the company and the streets.
    long_texts = {k: k for k in TEXT_KEYS}
    for i, key in enumerate(["FirstName", "LastName", "WorkCompany", "WorkDepartment",
                             "WorkAddress", "HomeAddress", "DefinedHandle"]):
        long_texts[key] = mixed_scripts(200, 7 * i)
    add(3000006, long_texts, 82, 86, 2)
    # Blanks at both ends, a value of blanks only, and blanks where soft line breaks fall.
    blanks = {k: f"  {k}  " for k in TEXT_KEYS}
    blanks["WorkJobTitle"] = "   "
    blanks["WorkCompany"] = "é" + " a" * 60 + " "
    blanks["HomeAddress"] = "\t" + " é " * 40 + "\t"
    add(3000007, blanks, 30, 30, 0)
    # Empty keys: every key there but empty; only one name; only the nickname; only the number,
    # with "/" and ".." in it; an address with a city only and a country code that names none.
    add(3000008, {k: "" for k in TEXT_KEYS})
    add(3000009, {"UINString": "3000009", "FirstName": "Ada", "HomeCity": "Zürich"}, 999, 0, 3)
    add(3000010, {"UINString": "3000010", "LastName": "Lovelace", "WorkCity": "London"}, 0, -1)
    add(3000011, {"UINString": "3000011", "DefinedHandle": "only;the,nick\\name"})
    add(3000012, {"UINString": "../3000012/..//x..y/."})
    return users


def write_users(db_path, users):
    with sqlite3.connect(db_path) as db:
        for number, record in users:
            db.execute("INSERT INTO users VALUES (?, 'contact', ?)", (number, f"hostile {number}"))
            for key, (kind, value) in record.items():
                db.execute("INSERT INTO fields (user, parent, name, pos, type, value) "
                           "VALUES (?, NULL, ?, 0, ?, ?)", (number, key, kind, value))


# --- What a card must say ----------------------------------------------------------------------

def read_record(db, number):
    rows = db.execute("SELECT name, type, value FROM fields WHERE user = ? AND parent IS NULL",
                      (number,))
    return {name: (kind, value) for name, kind, value in rows}


def text_of(record, key):
    """A key read as text: a text as it is, a number written out, anything else empty."""
    kind, value = record.get(key, (None, None))
    if kind == "text":
        return value
    if kind in INTEGER_TYPES:
        return str(value)
    return ""


def integer_of(record, key):
    """A key read as a number: a number as it is, a text's leading digits, anything else 0."""
    kind, value = record.get(key, (None, None))
    if kind in INTEGER_TYPES:
        return value
    if kind == "text":
        match = re.match(r"\s*([+-]?\d+)", value)
        return int(match.group(1)) if match else 0
    return 0


def int16(value):
    return (value + 0x8000) % 0x10000 - 0x8000


def expected_card(record, countries):
    """(name, types, values) for each property the card must hold, in the card's order."""
    text = lambda key: text_of(record, key)
    props = [("VERSION", [], ["2.1"]), ("NUV", [], [text("UINString")]),
             ("NICKNAME", [], [text("DefinedHandle")])]
    first, last, nick, number = (text("FirstName"), text("LastName"), text("DefinedHandle"),
                                 text("UINString"))
    if first and last:
        shown = last + " " + first
    else:
        shown = first or last or nick or number
    if shown:
        props.append(("FN", [], [shown]))
    props.append(("N", [], [last, first]))
    if text("PrimaryEmail"):
        props.append(("EMAIL", ["PREF", "INTERNET"], [text("PrimaryEmail")]))
    if text("WorkCompany") or text("WorkDepartment"):
        props.append(("ORG", [], [text("WorkCompany"), text("WorkDepartment")]))
    if text("WorkJobTitle"):
        props.append(("TITLE", [], [text("WorkJobTitle")]))
    for kind, prefix in (("WORK", "Work"), ("HOME", "Home")):
        street, city, state, zip_code = (text(prefix + k)
                                         for k in ("Address", "City", "State", "ZipCode"))
        country = countries.get(str(int16(integer_of(record, prefix + "Country"))), "")
        if street or city or country:
            props.append(("ADR", [kind], ["", "", street, city, state, zip_code, country]))
            label = f"{street}\r\n{city} {state} {zip_code}\r\n{country}"
            props.append(("LABEL", [kind], [label]))
    for key in ("HomeHomepage", "WorkHomepage"):
        if text(key):
            props.append(("URL", [], [text(key)]))
    for key, types in (("HomePhone", ["HOME", "VOICE"]), ("HomeFax", ["HOME", "FAX"]),
                       ("WorkPhone", ["WORK", "VOICE"]), ("WorkFax", ["WORK", "FAX"]),
                       ("HomeCell", ["CELL", "VOICE"])):
        if text(key):
            props.append(("TEL", types, [text(key)]))
    gender = integer_of(record, "Gender")
    if gender in (1, 2):
        props.append(("X-WAB-GENDER", [], [str(gender)]))
    return props


# --- What each reader makes of a card line ----------------------------------------------------

def card_lines(card_bytes):
    """Each property line of the card between BEGIN and END, in order: its name, whether it is
    quoted-printable, and the values of its physical lines (a soft line break ends each but the
    last; its "=" is left out)."""
    lines = card_bytes.decode("ascii").split("\r\n")
    if len(lines) < 3 or lines[0] != "BEGIN:VCARD" or lines[-2:] != ["END:VCARD", ""]:
        raise Failure("the card is not one BEGIN:VCARD ... END:VCARD with CR LF line ends")
    props = []
    rest = iter(lines[1:-2])
    for line in rest:
        head, colon, value = line.partition(":")
        if not colon:
            raise Failure(f"a card line without a value: {line!r}")
        qp = "ENCODING=QUOTED-PRINTABLE" in head.upper().split(";")
        physical, lengths = [value], [len(line)]
        while qp and physical[-1].endswith("="):
            physical[-1] = physical[-1][:-1]
            physical.append(next(rest, None))
            if physical[-1] is None:
                raise Failure(f"a soft line break ends the card: {line!r}")
            lengths.append(len(physical[-1]))
        if qp and max(lengths) > 76:
            raise Failure(f"a quoted-printable line longer than 76 characters: {line!r}")
        props.append({"name": re.split("[;.]", head)[0].upper(), "qp": qp, "lines": physical})
    return props


def trimmed(name, values):
    """Parts of a structured value without the empty ones at its end."""
    values = list(values)
    if name in STRUCTURED:
        while values and values[-1] == "":
            values.pop()
    return values


def kcontacts_split(value):
    """KContacts' VCardTool::splitString() at ";": a ";" after a backslash is kept in the part,
    without the backslash, even when that backslash was itself escaped."""
    parts, start, pos = [], 0, value.find(";")
    while pos != -1:
        if pos == 0 or value[pos - 1] != "\\":
            parts.append(value[start:pos])
            start = pos + 1
            pos = value.find(";", start)
        else:
            value = value[:pos - 1] + value[pos:]
            pos = value.find(";", pos)
    return parts + [value[start:]]


URL_CHARACTERS = re.compile(r"[A-Za-z0-9._~:/?#\[\]@!$&'()*+,;=%-]*")


def kcontacts_reading(name, types, values, line):
    """What KContacts keeps of a property the writer wrote right, as (name, types, values); None
    when it keeps nothing of it that can be compared.

    KContacts 5.103 (VCardLineParser::parseLine(), VCardTool) splits N, ORG and ADR at ";",
    taking a ";" after a backslash for one inside a part even when that backslash is part of the
    value (VCardTool::splitString()), so a part that ends with a backslash runs into the next;
    it trims a phone number and folds its inner blanks and line breaks into one blank
    (PhoneNumber::setNumber(), QString::simplified()); it keeps a URL as a QUrl. It keeps no
    property it does not know (NUV), no empty field, and of an e-mail address's types only
    PREF. |line| (the card's physical lines) is not needed: the writer leaves KContacts no
    escape to misread."""
    del line
    if name in ("VERSION", "NUV") or not "".join(values):
        return None
    if name == "URL" and not URL_CHARACTERS.fullmatch(values[0]):
        return None  # QUrl drops what it takes for no URL and percent-encodes the rest
    if name in STRUCTURED:
        joined = ";".join(value.replace(";", "\\;") for value in values)
        values = kcontacts_split(joined)[:{"N": 5, "ORG": 2, "ADR": 7}[name]]
    elif name == "TEL":
        values = [" ".join(values[0].split())]
    if name == "EMAIL":
        types = [t for t in types if t == "PREF"]
    return (name, types, values)


# --- Running it --------------------------------------------------------------------------------

def run(command):
    result = subprocess.run(command, capture_output=True)
    if result.returncode != 0:
        raise Failure(f"{' '.join(map(str, command))} failed ({result.returncode}): "
                      f"{result.stderr.decode(errors='replace').strip()}")
    return result.stdout


def compare(user, reader, want, got):
    """Prints each difference between the properties |want|, as (name, types, values), and those
    a reader printed; returns (values checked, differences)."""
    checked, problems = 0, []
    names = list(dict.fromkeys([p[0] for p in want] + [p["name"] for p in got]))
    for name in names:
        wanted = [p for p in want if p[0] == name]
        have = [p for p in got if p["name"] == name]
        for k in range(max(len(wanted), len(have))):
            if k >= len(have):
                problems.append((name, wanted[k][2], "(missing)"))
                continue
            if k >= len(wanted):
                problems.append((name, "(none)", have[k]["values"]))
                continue
            _, want_types, want_values = wanted[k]
            if sorted(want_types) != sorted(have[k]["types"]):
                problems.append((name + " types", want_types, have[k]["types"]))
            want_values = trimmed(name, want_values)
            have_values = trimmed(name, have[k]["values"])
            checked += len(want_values)
            if want_values != have_values:
                problems.append((name, want_values, have_values))
    for name, wanted, have in problems:
        print(f"MISMATCH user {user} {name} [{reader}]\n  expected: {json.dumps(wanted)}\n"
              f"  got:      {json.dumps(have)}")
    return checked, len(problems)


def check_card(user, card, expected, readers, stats):
    """Reads |card| with both readers and compares what they print with |expected|, counting in
    |stats| the values checked by each reader and the mismatches."""
    lines = card_lines(card.read_bytes())
    if [p["name"] for p in lines] != [p[0] for p in expected]:
        print(f"MISMATCH user {user} card lines\n  expected: {[p[0] for p in expected]}\n"
              f"  got:      {[p['name'] for p in lines]}")
        stats["mismatches"] += 1
        return
    ebook = expected
    kcontacts = [kcontacts_reading(*prop, line) for prop, line in zip(expected, lines)]
    # Values KContacts keeps nothing of that a value determines (see kcontacts_reading()). Which
    # URL a QUrl dropped is not known, so the URLs of a card with such a one are not compared.
    unknown_urls = any(p[0] == "URL" and k is None for p, k in zip(expected, kcontacts))
    skipped = lambda prop, k: (k is None and prop[0] != "VERSION" and "".join(prop[2])) or (
        unknown_urls and prop[0] == "URL")
    stats["KContacts keeps nothing of"] += sum(
        len(p[2]) for p, k in zip(expected, kcontacts) if skipped(p, k))
    kcontacts = [k for p, k in zip(expected, kcontacts) if k and not skipped(p, k)]
    for reader, want in (("libebook-contacts", ebook), ("KContacts", kcontacts)):
        got = json.loads(run([readers / READERS[reader], card]))
        if reader == "KContacts" and unknown_urls:
            got = [p for p in got if p["name"] != "URL"]
        checked, differences = compare(user, reader, want, got)
        stats[reader] += checked
        stats["mismatches"] += differences


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--client", required=True)
    parser.add_argument("--data", required=True, type=Path)
    parser.add_argument("--readers", required=True, type=Path)
    parser.add_argument("--work", required=True, type=Path)
    args = parser.parse_args()

    db_path = args.data / "nuvclient.db"
    if not db_path.is_file():
        raise Failure(f"{db_path}: no store")
    write_users(db_path, hostile_users())
    countries = json.loads(run([args.readers / "list_countries", ISO_COUNTRIES]))
    if not countries:
        raise Failure("no country names")

    # Every user of the store, the sample ones and the hostile ones, as the client lists them.
    listing = run([args.client, "--data", args.data, "users"]).decode()
    users = [line.split("\t")[0] for line in listing.splitlines() if line]
    with sqlite3.connect(db_path) as db:
        stored = [str(n) for (n,) in db.execute("SELECT number FROM users")]
        if sorted(users) != sorted(stored):
            raise Failure(f"the client lists {users}, the store holds {stored}")
        stats = collections.Counter()
        for user in users:
            card = args.work / f"{user}.vcf"
            run([args.client, "--data", args.data, "export", user, card])
            if not card.is_file() or card.stat().st_size == 0:
                raise Failure(f"user {user}: no card written")
            expected = expected_card(read_record(db, int(user)), countries)
            check_card(user, card, expected, args.readers, stats)
    print(f"{len(users)} cards; values checked: {stats['libebook-contacts']} by "
          f"libebook-contacts, {stats['KContacts']} by KContacts (which keeps nothing of "
          f"{stats['KContacts keeps nothing of']} more); {stats['mismatches']} mismatches")
    return 1 if stats["mismatches"] else 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except (Failure, OSError, ValueError, sqlite3.Error) as error:
        print(f"check_cards: {error}", file=sys.stderr)
        sys.exit(1)
