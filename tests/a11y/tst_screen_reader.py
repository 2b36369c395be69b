#!/usr/bin/python3
# What a screen reader finds in the real program: the program runs on its own X server and session
# bus, with Qt's accessibility bridge on, and this walks it over the accessibility bus as screen
# readers do (pyatspi). The stand-in opener of the link tests, first on PATH as xdg-open, notes the
# pages links open.
# The program is named by TOVIRA_PROGRAM; its settings stay in XDG_CONFIG_HOME, as CTest sets it.
import ctypes, os, select, signal, subprocess, tempfile, time

DISHES = "薑母鴨 香菇滷肉 黑胡椒毛豆 筍絲扣肉 花生豬腳湯 麻油血糕 鳳梨蝦仁 精燉牛肉湯 豆鼓排骨 蜜酥花生小魚 醬燒小卷 蜜汁雞腿 特製沾醬包".split()
DETAILS = ("收件姓名 收件地址 暱稱 聯絡電話1 聯絡電話2 帳號末5碼 匯款日期+詳細時間 日期順位1 日期順位2 日期順位3 備註 "
           "平日 假日 中午前 12~17 17~20 不指定").split()  # the text boxes, check boxes and options in page order
WAIT = 60  # seconds for anything to appear; the sanitizer build starts slowly
started = []  # the processes to end, in the order they started


def wait_for(what, found):
    end = time.monotonic() + WAIT
    while not (result := found()):
        assert time.monotonic() < end, f"no {what} after {WAIT} s"
        assert not (ended := [p.args[0] for p in started if p.poll() is not None]), f"{ended} ended"
        time.sleep(0.2)
    return result


def start(args, pipe=None, **kw):  # in a process group of its own, to end with its children; returns what it
    # writes to the pipe. It dies with this script, whatever ends it, so nothing is left holding CTest's output.
    started.append(subprocess.Popen(args, start_new_session=True, pass_fds=[pipe[1]] if pipe else [],
                                    preexec_fn=lambda: ctypes.CDLL(None).prctl(1, signal.SIGKILL), **kw))
    if pipe:
        os.close(pipe[1])
        assert select.select([pipe[0]], [], [], WAIT)[0], f"{args[0]} did not start"
        return os.read(pipe[0], 4096).decode().strip()


def walk(program, home):
    os.environ["XDG_RUNTIME_DIR"] = home  # the buses' sockets go with the folder
    os.environ.pop("AT_SPI_BUS_ADDRESS", None)  # never the desktop's own accessibility bus
    quiet = dict(stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)  # and what the bus starts inherits this
    os.environ["DISPLAY"] = ":" + start(["Xvfb", "-displayfd", "%d" % (fd := os.pipe())[1], "-nolisten", "tcp"], fd, **quiet)
    os.environ["DBUS_SESSION_BUS_ADDRESS"] = start(
        ["dbus-daemon", "--session", "--nofork", "--print-address=%d" % (fd := os.pipe())[1]], fd, **quiet)
    # libxkbcommon-x11 copies X atom names, which have no terminating zero, with strndup: correct, but the
    # sanitizer's strict string checks read past them.
    start([program], env=dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                              PATH=os.path.dirname(os.path.abspath(__file__)) + "/../links:" + os.environ["PATH"],
                              TOVIRA_OPENED=home + "/opened",
                              ASAN_OPTIONS=os.environ.get("ASAN_OPTIONS", "") + ":intercept_strndup=0"))
    import pyatspi

    app = wait_for("program on the bus", lambda: [a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "Tovira"])[0]
    showing = lambda *roles: pyatspi.findAllDescendants(
        app, lambda o: o.getRoleName() in roles and o.getState().contains(pyatspi.STATE_SHOWING))

    def press(node):  # through the node's action, as a screen reader does
        action = node.queryAction()
        action.doAction([action.getName(i) for i in range(action.nActions)].index("Press"))

    def page(button, role, count):  # the next page, once the bridge shows all of it
        press(next(b for b in showing("push button") if b.name == button))
        return wait_for(f"{count} {role} after {button}", lambda: len(found := showing(role)) == count and found)

    # A quantity box is labelled by its dish; its text box inside says the dish and holds the quantity.
    heard = []
    for box in page("我已經看過了", "combo box", 13):
        dish = next(r for r in box.getRelationSet() if r.getRelationType() == pyatspi.RELATION_LABELLED_BY)
        entry = next(c for c in box if c.getRoleName() == "text")
        heard.append((dish.getTarget(0).name, entry.name, entry.queryText().getText(0, -1)))
    assert sorted(heard) == sorted((d, d + " 數量", "00") for d in DISHES), heard

    # The product page's links are its dishes; a link's action opens its page as a click does.
    links = {link.name: link for link in showing("link")}
    assert sorted(links) == sorted(DISHES), list(links)
    press(links["薑母鴨"])
    opened = wait_for("page opened", lambda: os.path.exists(home + "/opened") and open(home + "/opened").read())
    assert opened == "https://tovira.example.com/2008/05/ginger-duck-stew.html\n", opened

    page("下一步", "radio button", 4)
    names = [c.name for c in showing("text", "check box", "radio button")]
    assert names == DETAILS, names


if __name__ == "__main__":
    with tempfile.TemporaryDirectory() as home:
        try:
            walk(os.environ["TOVIRA_PROGRAM"], home)
        finally:
            for process in reversed(started):  # the program, then the bus and what it started, then X
                os.killpg(process.pid, signal.SIGTERM)
                try:
                    process.wait(10)
                except subprocess.TimeoutExpired:
                    os.killpg(process.pid, signal.SIGKILL)
