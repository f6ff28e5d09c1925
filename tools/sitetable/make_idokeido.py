#!/usr/bin/env python3
"""Build the observation site table IDOKEIDO.DAT from the localgovjp data set.

Usage (from the repository root):
    python3 tools/sitetable/make_idokeido.py ../shared/data/municipalities DATA/IDOKEIDO.DAT

Input folder: localgovjp-utf8.csv (municipal offices) and prefjp-utf8.csv
(prefectural offices), both UTF-8 CSV from the CC0 "localgovjp" data set.

Output: Shift-JIS (cp932) text, CR LF line ends.
    line 1   one header field, no comma
    then, for prefectures 1..47 in national order:
             the prefecture's own line (prefectural office), followed by its
             cities, towns, villages and Tokyo's special wards in
             local-government code order (wards of designated cities omitted)
    record:  pref-number,lgcode,name,kana,coordinates
    coords:  "E139.41.30.0 N35.41.22.0" (24 characters, fixed positions)

The output depends only on the input files, so repeated runs give
byte-identical files.
"""

import csv
import os
import re
import sys
from decimal import Decimal, ROUND_HALF_UP, InvalidOperation

# The reader takes the whole first line as one field, so no comma here.
HEADER = 'IDOKEIDO 市役所・町村役場の位置 (source: localgovjp; CC0)'
MUNI_FILE = 'localgovjp-utf8.csv'
PREF_FILE = 'prefjp-utf8.csv'
PREF_COUNT = 47
MAX_ENTRIES = 400        # the program's table holds entries 0..400 per prefecture
ENCODING = 'cp932'
EOL = '\r\n'

COORD_RE = re.compile(r'E\d{3}\.[0-5]\d\.[0-5]\d\.\d N\d{2}\.[0-5]\d\.[0-5]\d\.\d')


class DataError(Exception):
    pass


def read_csv(path):
    # utf-8-sig accepts the file with or without a byte-order mark.
    with open(path, encoding='utf-8-sig', newline='') as f:
        return list(csv.DictReader(f))


def lgcode_check_digit(first5):
    """Check digit of a national local-government code (weights 6..2, mod 11)."""
    total = sum(int(d) * w for d, w in zip(first5, (6, 5, 4, 3, 2)))
    return str((11 - total % 11) % 10)


def normalise_lgcode(text, where):
    code = text.strip()
    if not code.isdigit() or len(code) > 6:
        raise DataError(f'{where}: bad local-government code {text!r}')
    # The prefecture list drops the leading zero of codes 01..09 (e.g. 10006).
    code = code.zfill(6)
    if lgcode_check_digit(code[:5]) != code[5]:
        raise DataError(f'{where}: check digit of local-government code {code} is wrong')
    return code


def tenths_of_arcsec(text, limit, where):
    """Decimal degrees (source text) -> integer tenths of an arc-second.

    Decimal arithmetic on the source text keeps the rounding exact and
    independent of binary floating point; halves round away from zero.
    """
    try:
        deg = Decimal(text.strip())
    except InvalidOperation:
        raise DataError(f'{where}: coordinate {text!r} is not a number') from None
    if not (0 <= deg < limit):
        raise DataError(f'{where}: coordinate {text!r} outside 0..{limit}')
    return int((deg * 36000).quantize(Decimal(1), rounding=ROUND_HALF_UP))


def dms(tenths):
    """Split tenths of an arc-second into (degrees, minutes, seconds text)."""
    deg, rest = divmod(tenths, 36000)
    minutes, sec10 = divmod(rest, 600)
    return deg, minutes, f'{sec10 // 10:02d}.{sec10 % 10}'


def coord_text(lat_text, lng_text, where):
    lon_d, lon_m, lon_s = dms(tenths_of_arcsec(lng_text, 180, where))
    lat_d, lat_m, lat_s = dms(tenths_of_arcsec(lat_text, 90, where))
    text = f'E{lon_d:03d}.{lon_m:02d}.{lon_s} N{lat_d:02d}.{lat_m:02d}.{lat_s}'
    assert len(text) == 24 and COORD_RE.fullmatch(text), text
    return text


def csv_field(value, where):
    """One output field; quoted only when it holds a comma."""
    if any(c in value for c in '"\r\n'):
        raise DataError(f'{where}: field {value!r} holds a quote or line break')
    if value != value.strip():
        # The reader skips leading blanks, so such a name would not survive.
        raise DataError(f'{where}: field {value!r} has surrounding blanks')
    if not value:
        raise DataError(f'{where}: empty field')
    return f'"{value}"' if ',' in value else value


def record(pref_no, code, name, kana, coords, where):
    fields = [str(pref_no), code, name, kana, coords]
    return ','.join(csv_field(v, where) for v in fields)


def build_lines(src_dir):
    prefs = read_csv(os.path.join(src_dir, PREF_FILE))
    munis = read_csv(os.path.join(src_dir, MUNI_FILE))

    pref_by_no = {}
    for row in prefs:
        no = int(row['pid'])
        if no in pref_by_no:
            raise DataError(f'{PREF_FILE}: prefecture {no} listed twice')
        pref_by_no[no] = row
    if sorted(pref_by_no) != list(range(1, PREF_COUNT + 1)):
        raise DataError(f'{PREF_FILE}: prefectures are not exactly 1..{PREF_COUNT}')

    muni_by_pref = {no: [] for no in pref_by_no}
    ward_count = 0
    for row in munis:
        no = int(row['pid'])
        where = f'{MUNI_FILE} {row["lgcode"]} {row["city"]}'
        if no not in muni_by_pref:
            raise DataError(f'{where}: unknown prefecture {no}')
        if row['pref'] != pref_by_no[no]['pref']:
            raise DataError(f'{where}: prefecture name differs from {PREF_FILE}')
        code = normalise_lgcode(row['lgcode'], where)
        if int(code[:2]) != no:
            raise DataError(f'{where}: code does not belong to prefecture {no}')
        # Wards of designated cities are written "<city> <ward>"; the city
        # itself has its own row and is kept.
        if ' ' in row['city'] or '\u3000' in row['city']:
            ward_count += 1
            continue
        muni_by_pref[no].append((code, row, where))

    lines = [HEADER]
    for no in range(1, PREF_COUNT + 1):
        p = pref_by_no[no]
        where = f'{PREF_FILE} {no} {p["pref"]}'
        code = normalise_lgcode(p['lgcode'], where)
        lines.append(record(no, code, p['pref'], p['prefkana'],
                            coord_text(p['lat'], p['lng'], where), where))
        entries = sorted(muni_by_pref[no], key=lambda e: e[0])
        codes = [e[0] for e in entries]
        if len(set(codes)) != len(codes):
            raise DataError(f'prefecture {no}: duplicate local-government code')
        if len(entries) > MAX_ENTRIES:
            raise DataError(f'prefecture {no}: {len(entries)} municipalities, '
                            f'more than {MAX_ENTRIES}')
        for code, row, where in entries:
            lines.append(record(no, code, row['city'], row['citykana'],
                                coord_text(row['lat'], row['lng'], where), where))
    return lines, ward_count


def encode(lines):
    """Join and encode; list every line that cp932 cannot represent exactly."""
    bad = []
    for i, line in enumerate(lines, 1):
        try:
            round_trip = line.encode(ENCODING).decode(ENCODING)
        except UnicodeEncodeError:
            round_trip = None
        if round_trip != line:
            chars = sorted({c for c in line if _cp932_fails(c)})
            bad.append(f'line {i}: {line}  (characters: '
                       + ' '.join(f'{c} U+{ord(c):04X}' for c in chars) + ')')
    if bad:
        raise DataError('names not representable in cp932:\n  ' + '\n  '.join(bad))
    if ',' in lines[0] or '"' in lines[0]:
        raise DataError('header must be a single field without comma or quote')
    return ''.join(line + EOL for line in lines).encode(ENCODING)


def _cp932_fails(c):
    try:
        return c.encode(ENCODING).decode(ENCODING) != c
    except UnicodeEncodeError:
        return True


def verify(data, lines):
    """Read the encoded file back and check its layout record by record."""
    text = data.decode(ENCODING)
    body = text.replace('\r\n', '')
    if not text.endswith('\r\n') or '\r' in body or '\n' in body:
        raise DataError('line ends are not all CR LF')
    back = text.split('\r\n')[:-1]
    if back != lines:
        raise DataError('file does not decode back to the generated lines')
    prev = 0
    for line in back[1:]:
        fields = line.split(',')
        if len(fields) != 5:
            raise DataError(f'record without five fields: {line}')
        pref_no = int(fields[0])
        if pref_no < prev or not 1 <= pref_no <= PREF_COUNT:
            raise DataError(f'prefecture order broken at: {line}')
        prev = pref_no
        if not COORD_RE.fullmatch(fields[4]):
            raise DataError(f'bad coordinate text: {line}')


def main(argv):
    if len(argv) != 3:
        print(f'usage: {argv[0]} SOURCE_DIR OUTPUT_FILE', file=sys.stderr)
        return 2
    src_dir, out_path = argv[1], argv[2]
    try:
        lines, ward_count = build_lines(src_dir)
        data = encode(lines)
        verify(data, lines)
    except KeyError as e:
        print(f'error: input column {e} missing', file=sys.stderr)
        return 1
    except (DataError, OSError, ValueError) as e:
        print(f'error: {e}', file=sys.stderr)
        return 1

    out_dir = os.path.dirname(out_path)
    if out_dir:
        os.makedirs(out_dir, exist_ok=True)
    with open(out_path, 'wb') as f:
        f.write(data)

    records = len(lines) - 1
    print(f'{out_path}: {len(data)} bytes, {records} records '
          f'({PREF_COUNT} prefectures, {records - PREF_COUNT} municipalities; '
          f'{ward_count} designated-city wards left out)')
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
