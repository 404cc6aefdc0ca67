#!/usr/bin/python3
"""The typical use of Dutywise, driven from outside through the accessibility bus.

Run by run-e2e.sh (a private X server and session bus). Starts the program in its run folder,
walks welcome -> chooser -> wizard, fills the outing, builds the roster, makes a line bold,
saves it through the file dialog, closes the wizard, leaves from the chooser, and checks that
the program ended with status 0 and that AbiWord reads the saved roster back. Then starts the
program again with an outing plan on its command line: the wizard shows the plan, and Build
draws its crews from the plan's people. Last, the wizard by keyboard alone: Tab, Insert, Home
and Space, Enter on Build, Ctrl+S.

Controls are found by role and accessible name, as a screen reader finds them. Text goes in
as real keystrokes (xdotool): setting a text through the accessibility interface is not
typing, and the program's handlers see only keystrokes.
"""

import json
import os
import re
import subprocess
import sys
import tempfile
import time

import pyatspi

RUN_DIR = os.path.abspath(sys.argv[1])
WORK = os.environ.get("DUTYWISE_E2E_WORK") or tempfile.mkdtemp(prefix="dutywise-e2e.")
WAIT = 20.0  # seconds for anything to appear; generous for a loaded machine and the sanitizers

OUTING = "Spring Camporee"
PATROL = "Eagle"
PEOPLE = ["Ann", "Ben", "Cal", "Dot", "Eve"]
BREAKFASTS = ["Pancakes", "Oatmeal"]
LUNCHES = ["Sandwiches", "Tacos"]
DINNERS = ["Chili", "Stew"]
SNACKS = ["Trail mix"]
DRINKS = ["Cocoa"]
DAYS = ["Friday", "Saturday"]
CREW_SIZE = 3


class Failure(Exception):
    pass


def step(text):
    print(f"[{time.monotonic() - START:6.2f}s] {text}", flush=True)


def wait_for(what, probe, timeout=WAIT):
    """Polls probe() until it returns something true; objects that vanish mid-look count as
    not there yet (a closing dialog takes its objects with it)."""
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        try:
            result = probe()
            if result:
                return result
        except Exception as error:  # noqa: BLE001 - any bus error means "look again"
            last_error = error
        if time.monotonic() > deadline:
            raise Failure(f"timed out waiting for {what}" + (f" ({last_error})" if last_error else ""))
        if PROGRAM.poll() is not None:
            raise Failure(f"the program ended (status {PROGRAM.returncode}) while waiting for {what}")
        time.sleep(0.05)


# --- the accessibility tree -------------------------------------------------------------------

def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == PROGRAM.pid:
            app.clear_cache()
            return app
    return None


def showing(obj):
    return obj.getState().contains(pyatspi.STATE_SHOWING)


def descendants(root):
    """Every showing object under root: hidden pages and closed dialogs stay in the tree, a
    person sees only what shows."""
    stack = [root]
    while stack:
        obj = stack.pop()
        for child in obj:
            if child is None:
                continue
            if showing(child):
                yield child
                stack.append(child)


def find_all(role, name=None, within=None):
    root = within or application()
    if root is None:
        return []
    return [o for o in descendants(root)
            if o.getRoleName() == role and (name is None or o.name == name)]


def find(role, name, within=None, timeout=WAIT):
    def probe():
        found = find_all(role, name, within)
        return found[0] if found else None
    return wait_for(f"{role} '{name}'", probe, timeout)


def window(name):
    """A top-level window (dialog or frame) of the program, showing, by its title."""
    def probe():
        app = application()
        for win in app or []:
            if win is not None and win.name == name and showing(win):
                return win
        return None
    return wait_for(f"window '{name}'", probe)


def the_wizard():
    """The wizard window. The minimised welcome window bears the same title: the wizard is the one
    with the pages."""
    return wait_for("the wizard", lambda: next(
        (w for w in application() or [] if w is not None and w.name == "Dutywise v4.1"
         and showing(w) and find_all("page tab list", within=w)), None))


def gone(obj, what):
    def probe():
        try:
            return not showing(obj)
        except Exception:  # noqa: BLE001 - vanished is gone
            return True
    wait_for(f"{what} to close", probe)


def extents(obj):
    e = obj.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return e.x, e.y, e.width, e.height


def text_of(obj):
    t = obj.queryText()
    return t.getText(0, t.characterCount)


def press(obj):
    """Presses a button as a screen reader does: its default action."""
    action = obj.queryAction()
    for i in range(action.nActions):
        if action.getName(i).lower() in ("press", "click", "toggle", "switch"):
            action.doAction(i)
            return
    action.doAction(0)


def press_button(name, within=None):
    step(f"press '{name}'")
    press(find("push button", name, within))


# --- the X side: focus, pointer and keys ---------------------------------------------------

def xdotool(*args):
    began = time.monotonic()
    subprocess.run(["xdotool", *map(str, args)], check=True, capture_output=True, timeout=30)
    if os.environ.get("DUTYWISE_E2E_DEBUG"):
        step(f"  xdotool {' '.join(map(str, args))}: {time.monotonic() - began:.2f}s")


def pointer():
    out = subprocess.run(["xdotool", "getmouselocation", "--shell"], check=True,
                         capture_output=True, text=True, timeout=30).stdout
    fields = dict(line.split("=", 1) for line in out.split())
    return int(fields["X"]), int(fields["Y"]), int(fields["WINDOW"])


def pointer_to(x, y):
    """Moves the pointer and returns the X window under it. (mousemove --sync waits for a
    motion, so it would hang when the pointer is already there.)"""
    px, py, wid = pointer()
    if (px, py) != (x, y):
        xdotool("mousemove", "--sync", x, y)
        px, py, wid = pointer()
    return wid


def focus_window_of(obj, dx=None, dy=None):
    """There is no window manager: give the keyboard focus to the X window under obj (at its
    centre, or at dx, dy inside it), leaving the pointer there."""
    x, y, w, h = extents(obj)
    wid = pointer_to(x + (w // 2 if dx is None else dx), y + (h // 2 if dy is None else dy))
    xdotool("windowfocus", "--sync", wid)
    return wid


def click(obj, dx=None, dy=None):
    focus_window_of(obj, dx, dy)
    xdotool("click", "1")


def focused(obj):
    return obj.getState().contains(pyatspi.STATE_FOCUSED)


def type_into(field, text, replace=True):
    """Focuses the field with a click and types, key by key."""
    click(field)
    wait_for(f"focus in '{field.name}'", lambda: focused(field))
    if replace:
        xdotool("key", "--clearmodifiers", "ctrl+a")
    xdotool("type", "--delay", "15", text)


def expect(what, probe, timeout=WAIT):
    wait_for(what, probe, timeout)


def send_close(wid):
    """The title bar's close button: WM_DELETE_WINDOW, as a window manager sends it."""
    sender = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "app", "close-window.py")
    result = subprocess.run([sys.executable, sender, str(wid)], capture_output=True, text=True)
    if result.returncode != 0:
        raise Failure(f"could not close window {wid}: {result.stderr.strip()}")


# --- the walk ----------------------------------------------------------------------------------

def answer_prompt(title, text):
    """An Add button's prompt: type the entry and press OK."""
    dialog = window(title)
    field = find("text", None, within=dialog) if False else wait_for(
        f"the field of '{title}'", lambda: find_all("text", within=dialog))[0]
    type_into(field, text)
    expect(f"'{text}' in the prompt", lambda: text_of(field) == text)
    press(find("push button", "OK", within=dialog))
    gone(dialog, f"prompt '{title}'")


def list_entries(lst):
    return [c.name for c in lst if c is not None]


def add_entries(button, title, list_name, entries):
    lst = find("list", list_name)
    for entry in entries:
        step(f"add '{entry}' with '{button}'")
        press(find("push button", button))
        answer_prompt(title, entry)
        expect(f"'{entry}' in the list '{list_name}'", lambda e=entry: e in list_entries(lst))


def go_to_page(name):
    step(f"page '{name}'")
    tab = find("page tab", name)
    press(tab)
    # Qt names the tab list after its current tab.
    expect(f"page '{name}' shown",
           lambda: tab.getState().contains(pyatspi.STATE_SELECTED) or
           any(t.name == name for t in find_all("page tab list")))


def message_box_answer(text, caption="Dutywise"):
    box = window(caption)
    find("label", text, within=box)
    step(f"message '{text}': OK")
    press(find("push button", "OK", within=box))
    gone(box, f"message '{text}'")


def select_line_starting(editor, prefix):
    """Puts the caret at the start of the first line that begins with prefix and selects to its
    end, with keys, as a user does."""
    content = text_of(editor)
    lines = content.split("\n")
    index = next((i for i, line in enumerate(lines) if line.startswith(prefix)), None)
    if index is None:
        raise Failure(f"no line starting with '{prefix}' in the roster:\n{content}")
    click(editor)
    wait_for("focus in the roster", lambda: focused(editor))
    xdotool("key", "--clearmodifiers", "ctrl+Home")
    for _ in range(index):
        xdotool("key", "--clearmodifiers", "Down")
    xdotool("key", "--clearmodifiers", "Home", "shift+End")
    text = editor.queryText()

    def selected():
        if text.getNSelections() != 1:
            return None
        start, end = text.getSelection(0)
        return text.getText(start, end) == lines[index] and lines[index]
    return wait_for(f"line '{lines[index]}' selected", selected)


def walk(saved):
    """Returns the line made bold."""
    step("welcome: OK")
    window("Dutywise v4.1")
    press_button("OK")
    press_button("Wizard")
    wizard = the_wizard()

    # Basics
    step("outing and patrol names")
    outing = find("text", "Outing name")
    type_into(outing, OUTING)
    expect("the outing name typed", lambda: text_of(outing) == OUTING)
    patrol = find("text", "Patrol name")
    type_into(patrol, PATROL)
    expect("the patrol name typed", lambda: text_of(patrol) == PATROL)
    add_entries("Add person", "Person", "People", PEOPLE)

    # Days: the days ticked in their tick squares, the meals by button and by hand
    go_to_page("Days")
    days = find("list", "Days")
    for day in DAYS:
        step(f"tick {day}")
        item = wait_for(f"day '{day}'", lambda d=day: next((c for c in days if c.name == d), None))
        click(item, dx=8, dy=8)  # the tick square, 3 pixels in from the row's corner
        expect(f"{day} ticked", lambda i=item: i.getState().contains(pyatspi.STATE_CHECKED))
        find("panel", day)  # the day's meals show
    press_button("Check All Meals")
    saturday_dinner = find("check box", "Saturday Dinner")
    expect("Saturday's dinner ticked", lambda: saturday_dinner.getState().contains(pyatspi.STATE_CHECKED))
    step("untick Saturday's dinner")
    click(saturday_dinner)
    expect("Saturday's dinner unticked",
           lambda: not saturday_dinner.getState().contains(pyatspi.STATE_CHECKED))

    # Meals, snacks and drinks
    go_to_page("Meals")
    add_entries("Add breakfast", "Breakfast", "Breakfasts", BREAKFASTS)
    add_entries("Add lunch", "Lunch", "Lunches", LUNCHES)
    add_entries("Add dinner", "Dinner", "Dinners", DINNERS)
    go_to_page("Snacks & Drinks")
    add_entries("Add snack", "Snack", "Snacks", SNACKS)
    add_entries("Add drink", "Drink", "Drinks", DRINKS)

    # Finalization: the crew size typed, then Build
    go_to_page("Finalization")
    step(f"crew size {CREW_SIZE}")
    crew = find("spin button", "Crew size")
    type_into(crew, str(CREW_SIZE))
    expect("the crew size set", lambda: crew.queryValue().currentValue == CREW_SIZE)
    press_button("Build")
    message_box_answer("Completed!")

    # Generation: a crew line made bold, then saved
    go_to_page("Generation")
    editor = find("text", "Roster")
    expect("the roster in the editor", lambda: text_of(editor).startswith(OUTING))
    line = select_line_starting(editor, "Cook: ")
    step(f"bold: '{line}'")
    press_button("Bold")
    text = editor.queryText()
    start = text.getSelection(0)[0]
    def bold():
        attrs = [a.replace(" ", "") for a in text.getAttributeRun(start + 1, False)[0]]
        return "weight:bold" in attrs or "weight:700" in attrs
    expect("the selected line bold", bold)

    press_button("Save")
    dialog = wait_for("the save dialog",
                      lambda: next((w for w in application() if w is not None and showing(w)
                                    and w.name != "Dutywise v4.1" and find_all("text", within=w)), None))
    step(f"save dialog '{dialog.name}': {saved}")
    name_field = wait_for("the file name field",
                          lambda: next((t for t in find_all("text", within=dialog)
                                        if "name" in t.name.lower()), None))
    type_into(name_field, saved)
    expect("the path typed", lambda: text_of(name_field) == saved)
    xdotool("key", "--clearmodifiers", "Return")
    gone(dialog, "the save dialog")
    expect("the roster saved", lambda: os.path.isfile(saved) and os.path.getsize(saved) > 0)

    # Close the wizard with its close box, then leave from the chooser.
    step("close the wizard")
    tabs = find("page tab list", None)
    send_close(focus_window_of(tabs))
    gone(wizard, "the wizard")
    press_button("Exit")
    return line


def keys(*names):
    xdotool("key", "--clearmodifiers", *names)


def walk_keys(saved):
    """The wizard by keyboard alone: Tab from control to control, Insert to add, Home and Space
    to tick a day, Enter on Build, Ctrl+S to save. The X focus is given to a window as a window
    manager would (there is none); inside the wizard only keys move."""
    step("keyboard: welcome and chooser")
    window("Dutywise v4.1")
    press_button("OK")
    press_button("Wizard")
    wizard = the_wizard()
    tabs = find("page tab list", None)
    focus_window_of(tabs)
    wait_for("focus on the page tabs", lambda: focused(tabs))

    def tab_to(obj, presses=1):
        keys(*["Tab"] * presses)
        wait_for(f"focus on '{obj.name}'", lambda: focused(obj))

    def insert_into(lst, title, entry):
        step(f"Insert '{entry}' into '{lst.name}'")
        keys("Insert")
        dialog = window(title)
        field = wait_for(f"the field of '{title}'", lambda: find_all("text", within=dialog))[0]
        wait_for(f"focus in the field of '{title}'", lambda: focused(field))
        xdotool("type", "--delay", "15", entry)
        expect(f"'{entry}' in the prompt", lambda: text_of(field) == entry)
        keys("Return")
        gone(dialog, f"prompt '{title}'")
        expect(f"'{entry}' in '{lst.name}'", lambda: entry in list_entries(lst))
        focus_window_of(tabs)  # the X focus back to the wizard, as a window manager gives it
        wait_for(f"focus back on '{lst.name}'", lambda: focused(lst))

    def next_page(name):
        step(f"Ctrl+Page Down to '{name}'")
        keys("ctrl+Next")
        expect(f"page '{name}' shown", lambda: any(t.name == name for t in find_all("page tab list")))

    step("keyboard: names typed")
    outing = find("text", "Outing name")
    tab_to(outing)
    xdotool("type", "--delay", "15", OUTING)
    patrol = find("text", "Patrol name")
    tab_to(patrol)
    xdotool("type", "--delay", "15", PATROL)
    expect("both names typed", lambda: text_of(outing) == OUTING and text_of(patrol) == PATROL)
    people = find("list", "People")
    tab_to(people, 4)  # past Open Plan..., Save Plan... and Continue Season...
    for person in PEOPLE:
        insert_into(people, "Person", person)

    next_page("Days")
    days = find("list", "Days")
    tab_to(days)
    step("Home selects Sunday, Space ticks it")
    keys("Home")
    sunday = wait_for("day 'Sunday'", lambda: next((c for c in days if c.name == "Sunday"), None))
    expect("Sunday selected", lambda: sunday.getState().contains(pyatspi.STATE_SELECTED))
    keys("space")
    expect("Sunday ticked", lambda: sunday.getState().contains(pyatspi.STATE_CHECKED))
    find("panel", "Sunday")  # its meals show
    breakfast = find("check box", "Sunday Breakfast")
    tab_to(breakfast, 6)  # past Check All Days, Uncheck All Days, Start date, the two meal buttons
    for meal in ("Breakfast", "Lunch", "Dinner"):
        box = find("check box", f"Sunday {meal}")
        if meal != "Breakfast":
            tab_to(box)
        keys("space")
        expect(f"Sunday {meal} ticked", lambda b=box: b.getState().contains(pyatspi.STATE_CHECKED))

    next_page("Meals")
    for number, (list_name, title, entry) in enumerate(
            [("Breakfasts", "Breakfast", BREAKFASTS[0]), ("Lunches", "Lunch", LUNCHES[0]),
             ("Dinners", "Dinner", DINNERS[0])]):
        lst = find("list", list_name)
        tab_to(lst, 1 if number == 0 else 5)  # past Add, Delete, Sorted and Suggestion
        insert_into(lst, title, entry)

    next_page("Snacks & Drinks")
    for number, (list_name, title, entry) in enumerate(
            [("Snacks", "Snack", SNACKS[0]), ("Drinks", "Drink", DRINKS[0])]):
        lst = find("list", list_name)
        tab_to(lst, 1 if number == 0 else 5)
        insert_into(lst, title, entry)

    next_page("Finalization")
    build = find("push button", "Build")
    tab_to(build, 4)  # past the crew size, Who Is There... and Keep Apart...
    step("Enter on Build")
    keys("Return")
    message_box_answer("Completed!")
    focus_window_of(tabs)  # the X focus back to the wizard, as a window manager gives it
    wait_for("focus back on Build", lambda: focused(build))

    next_page("Generation")
    editor = find("text", "Roster")
    expect("the roster in the editor", lambda: text_of(editor).startswith(OUTING))
    expect("Sunday's dinner in the roster", lambda: "Sunday" in text_of(editor))
    focus_window_of(tabs)
    step("Ctrl+S")
    keys("ctrl+s")
    dialog = wait_for("the save dialog",
                      lambda: next((w for w in application() if w is not None and showing(w)
                                    and w.name != "Dutywise v4.1" and find_all("text", within=w)), None))
    name_field = wait_for("the file name field",
                          lambda: next((t for t in find_all("text", within=dialog)
                                        if "name" in t.name.lower()), None))
    type_into(name_field, saved)
    expect("the path typed", lambda: text_of(name_field) == saved)
    keys("Return")
    gone(dialog, "the save dialog")
    expect("the roster saved", lambda: os.path.isfile(saved) and os.path.getsize(saved) > 0)
    with open(saved, "rb") as f:
        if OUTING.encode() not in f.read():
            raise Failure(f"the saved roster does not name the outing '{OUTING}'")

    step("close the wizard")
    send_close(focus_window_of(tabs))
    gone(wizard, "the wizard")
    press_button("Exit")


def read_back(saved, bold_line):
    """AbiWord reads the saved Rich Text: the roster's text is there, and the line made bold."""
    txt = os.path.join(WORK, "roster.txt")
    subprocess.run(["abiword", f"--to={txt}", saved], check=True, capture_output=True, timeout=120)
    with open(txt, encoding="utf-8", errors="replace") as f:
        content = f.read()
    for expected in [OUTING, PATROL + "'s Roster", *DAYS, "Breakfast", "Lunch", "Dinner",
                     "Cook: ", "Cleanup: ", "Meal: ", "Snacks", *SNACKS, "Drinks", *DRINKS]:
        if expected not in content:
            raise Failure(f"'{expected}' is missing from the saved roster as AbiWord reads it:\n{content}")
    cooks = [line for line in content.splitlines() if line.startswith("Cook: ")]
    # Friday: three meals, Saturday: two (dinner unticked)
    if len(cooks) != 5:
        raise Failure(f"expected 5 crew draws, AbiWord reads {len(cooks)}:\n{content}")
    for line in cooks:
        names = [n.strip() for n in line[len("Cook: "):].replace(" and ", ",").split(",") if n.strip()]
        if not names or any(n not in PEOPLE for n in names):
            raise Failure(f"a cook line names someone not on the outing: '{line}'")
    # Its own format keeps the styles: the line made bold is a bold run.
    abw = os.path.join(WORK, "roster.abw")
    subprocess.run(["abiword", f"--to={abw}", saved], check=True, capture_output=True, timeout=120)
    with open(abw, encoding="utf-8", errors="replace") as f:
        document = f.read()
    run = re.search(r'<c props="([^"]*)">' + re.escape(bold_line.replace("&", "&amp;")) + "</c>", document)
    if not run or "font-weight:bold" not in run.group(1):
        raise Failure(f"'{bold_line}' is not bold in the saved roster: {run and run.group(0)}")
    step(f"AbiWord reads the roster back: {len(content.splitlines())} lines, {len(cooks)} crews, "
         f"'{bold_line}' bold")


# --- a plan on the command line ----------------------------------------------------------------

PLAN = {
    "format": "dutywise-plan",
    "version": 1,
    "outing": "Winter Camp",
    "patrol": "Owl",
    "people": ["Zoë", "Kai", "Lena", "Omar", "Ben"],
    "breakfasts": ["Porridge"], "lunches": ["Soup"], "dinners": ["Goulash", "Curry"],
    "snacks": ["Apples"], "drinks": ["Tea"],
    "sorted": {"people": True, "breakfasts": False, "lunches": False, "dinners": False,
               "snacks": False, "drinks": False},
    "days": ["Sunday"],
    "meals": {"Sunday": ["Breakfast", "Lunch"], "Monday": ["Dinner"]},
    "crewSize": 2,
}


def walk_plan():
    """The wizard opened after a start with a plan: its fields and lists show the plan, and the
    roster built from it names the plan's people only."""
    step("welcome: OK")
    window("Dutywise v4.1")
    press_button("OK")
    press_button("Wizard")
    wizard = the_wizard()
    expect("the plan's outing name", lambda: text_of(find("text", "Outing name")) == PLAN["outing"])
    expect("the plan's patrol name", lambda: text_of(find("text", "Patrol name")) == PLAN["patrol"])
    people = sorted(PLAN["people"], key=str.casefold)  # the plan's list is sorted
    expect(f"the people {people}", lambda: list_entries(find("list", "People")) == people)
    go_to_page("Meals")
    expect("the dinners", lambda: list_entries(find("list", "Dinners")) == PLAN["dinners"])
    go_to_page("Days")
    sunday = wait_for("Sunday's meals", lambda: find("panel", "Sunday"))
    for meal, ticked in (("Breakfast", True), ("Lunch", True), ("Dinner", False)):
        box = find("check box", f"Sunday {meal}", within=sunday)
        expect(f"Sunday {meal} {'ticked' if ticked else 'unticked'}",
               lambda b=box, t=ticked: b.getState().contains(pyatspi.STATE_CHECKED) == t)
    go_to_page("Finalization")
    press_button("Build")
    message_box_answer("Completed!")
    go_to_page("Generation")
    editor = find("text", "Roster")
    expect("the plan's roster in the editor", lambda: text_of(editor).startswith(PLAN["outing"]))
    content = text_of(editor)
    if "Owl's Roster" not in content:
        raise Failure(f"the roster does not carry the plan's patrol:\n{content}")
    crews = [line for line in content.splitlines() if line.startswith(("Cook: ", "Cleanup: "))]
    if len(crews) != 4:  # Sunday breakfast and lunch; Monday is not ticked
        raise Failure(f"expected 4 crew lines from the plan, found {len(crews)}:\n{content}")
    for line in crews:
        names = [n.strip() for n in line.split(": ", 1)[1].replace(" and ", ",").split(",") if n.strip()]
        if not names or any(n not in PLAN["people"] for n in names):
            raise Failure(f"a crew line names someone not in the plan: '{line}'")
    step(f"the plan's roster: {len(crews)} crew lines of its people")
    tabs = find("page tab list", None)
    send_close(focus_window_of(tabs))
    gone(wizard, "the wizard")
    press_button("Exit")


def run_program(args, walker, log_name):
    """Starts the program in its run folder with args, runs walker, and expects status 0."""
    global PROGRAM
    log = open(os.path.join(WORK, log_name), "w")
    PROGRAM = subprocess.Popen([os.path.join(RUN_DIR, "dutywise"), *args], cwd=RUN_DIR,
                               stdout=log, stderr=subprocess.STDOUT)
    try:
        wait_for("the program on the accessibility bus",
                 lambda: (application() or None) and application().childCount > 0)
        result = walker()
        step("waiting for the program to end")
        try:
            status = PROGRAM.wait(timeout=WAIT)
        except subprocess.TimeoutExpired:
            raise Failure("the program did not end after Exit")
        if status != 0:
            raise Failure(f"the program ended with status {status}")
        return result
    except Failure:
        dump_log(log)
        raise
    finally:
        if PROGRAM.poll() is None:
            PROGRAM.kill()
            PROGRAM.wait()


def main():
    global START
    START = time.monotonic()
    saved = os.path.join(WORK, "saved", "Eagle roster.rtf")
    os.makedirs(os.path.dirname(saved), exist_ok=True)
    plan = os.path.join(WORK, "plans", "Owl winter.dutywise")
    os.makedirs(os.path.dirname(plan), exist_ok=True)
    with open(plan, "w", encoding="utf-8") as f:
        json.dump(PLAN, f, ensure_ascii=False, indent=2)
    try:
        bold_line = run_program([], lambda: walk(saved), "dutywise.log")
        read_back(saved, bold_line)
        step(f"again, with the plan {plan}")
        run_program([plan], walk_plan, "dutywise-plan.log")
        step("again, by keyboard alone")
        by_keys = os.path.join(WORK, "saved", "Eagle by keys.rtf")
        run_program([], lambda: walk_keys(by_keys), "dutywise-keys.log")
    except Failure as failure:
        print(f"FAIL: {failure}", file=sys.stderr)
        return 1
    print("ok: the typical use, a plan from the command line, and the wizard by keyboard alone,"
          " end to end")
    return 0


def dump_log(log):
    log.flush()
    with open(log.name, encoding="utf-8", errors="replace") as f:
        text = f.read().strip()
    if text:
        print("--- program output ---\n" + text[-4000:], file=sys.stderr)


PROGRAM = None
START = time.monotonic()

if __name__ == "__main__":
    sys.exit(main())
