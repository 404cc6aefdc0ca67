#!/usr/bin/python3
# For the engine's tests: "ics FILE" prints the calendar's events as JSON, as python3-icalendar
# reads them; "fods FILE" prints the first table's rows of LibreOffice's flat spreadsheet.
import json
import sys
import xml.etree.ElementTree as ET


def ics(path):
    import icalendar
    with open(path, "rb") as f:
        calendar = icalendar.Calendar.from_ical(f.read())
    events = []
    for event in calendar.walk("VEVENT"):
        events.append({
            "uid": str(event["UID"]),
            "stamp": event.decoded("DTSTAMP").isoformat(),
            "start": event.decoded("DTSTART").isoformat(),
            "end": event.decoded("DTEND").isoformat(),
            "summary": str(event["SUMMARY"]),
            "description": str(event["DESCRIPTION"]),
        })
    return {"version": str(calendar["VERSION"]), "events": events}


def fods(path):
    ns = {
        "table": "urn:oasis:names:tc:opendocument:xmlns:table:1.0",
        "text": "urn:oasis:names:tc:opendocument:xmlns:text:1.0",
        "office": "urn:oasis:names:tc:opendocument:xmlns:office:1.0",
    }
    q = lambda prefix, name: "{%s}%s" % (ns[prefix], name)
    table = ET.parse(path).getroot().find(".//table:table", ns)
    rows = []
    for row in table.findall("table:table-row", ns):
        cells = []
        for cell in row.findall("table:table-cell", ns):
            repeat = int(cell.get(q("table", "number-columns-repeated"), "1"))
            if cell.get(q("office", "value-type")) == "date":
                value = cell.get(q("office", "date-value"))
            else:
                value = "\n".join("".join(p.itertext()) for p in cell.findall("text:p", ns))
            cells.extend([value] * min(repeat, 64))
        while cells and cells[-1] == "":
            cells.pop()
        rows.append(cells)
    return rows


if __name__ == "__main__":
    print(json.dumps({"ics": ics, "fods": fods}[sys.argv[1]](sys.argv[2])))
