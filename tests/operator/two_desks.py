#!/usr/bin/python3
"""Two workstations on one program folder, each its own program on one desktop, worked through the
accessibility bus: what one desk saves is never undone by the other's Save.

    two_desks.py BUILD_FOLDER SCREENSHOT_FOLDER [--server [--attesa-limitata]]

With --server the archives are on a throwaway PostgreSQL cluster of the test's own, and desk A's
backend is also stopped (SIGSTOP) while it saves. --attesa-limitata then requires desk A's window to go
on answering while its backend is stopped; without it the time is only measured.
"""

import os
import signal
import subprocess
import sys
import time
import traceback

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from desktop_session import DesktopSession  # noqa: E402

# Loaded once the session's desktop is there (see main): the accessibility library connects to the bus
# of the environment it is loaded in.
a = None
Operator = None

MENU = "Telvara 3.0"
LOGIN = "Telvara 3.0 - Autenticazione"
CLIENTS = "Telvara 3.0 - Anagrafica Clienti"
PRODUCTS = "Telvara 3.0 - Magazzino Prodotti e Servizi"
SALES_MENU = "Telvara 3.0 - Registro vendite e riepilogo profitti"
CONFLICT = "Modifiche di un'altra postazione"
PICKER = "Importa articoli da magazzino"

SAVED = "Le modifiche apportate alla scheda corrente sono state salvate in archivio."
MERGED = ("Nel frattempo la scheda era stata aggiornata da un'altra postazione: i suoi dati sono stati "
          "mantenuti e la scheda ora li mostra.")
ARTICLE = "DUE-001"
# A note as long as an operator writes them, to be shown whole beside the others.
LONG_NOTE = ("Preventivo da inviare entro venerdì con lo sconto del dieci per cento sulla polizza casa; il "
             "cliente preferisce essere richiamato in ufficio dopo le 17 & chiede la copia del contratto")

# How long desk A's backend stays stopped during its Save, and how soon its window must answer meanwhile.
STOPPED_FOR = 4.0
ANSWER_WITHIN = 1.5


class TwoDesks:
    def __init__(self, desk_a, desk_b, server, bounded):
        self.a = desk_a
        self.b = desk_b
        self.server = server
        self.bounded = bounded
        self.year = time.strftime("%Y")
        self.failures = []

    def check(self, condition, what):
        """A value an operator would see wrong: told at the end, the desks go on."""
        if not condition:
            self.failures.append(what)
            print("FAIL check:", what, flush=True)

    # --- helpers ----------------------------------------------------------------------------------

    def client_line(self):
        """The companion's search line of the client both desks show."""
        found = self.a.cli("cerca", "clienti", "--cf", self.tax_code)
        assert "contiene 1 schede" in found, found
        return found.splitlines()[0]

    @staticmethod
    def shows(desk, w, field, value):
        try:
            a.wait_until(lambda: desk.text(w, field) == value, timeout=10, what=f"'{field}' showing {value!r}")
        except a.NotFound:
            raise AssertionError(f"'{field}' shows {desk.text(w, field)!r} instead of {value!r}") from None

    def x_window(self, desk, title):
        """The X window of desk's program with that title."""
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(desk.program.pid), "--name",
                                "^" + title.replace(".", "\\.") + "$"], capture_output=True, text=True)
        ids = found.stdout.split()
        assert ids, f"no window '{title}' of process {desk.program.pid}"
        return ids[-1]

    def come_back_to(self, desk, title):
        """The operator turns to desk's window again: it takes the keyboard focus, so it is activated."""
        window = self.x_window(desk, title)
        subprocess.run(["xdotool", "windowraise", window, "windowfocus", window], check=True)
        time.sleep(0.5)

    def snapshot(self, desk, title, name):
        """desk's window on top of the other's, photographed alone."""
        window = self.x_window(desk, title)
        subprocess.run(["xdotool", "windowraise", window], check=True)
        time.sleep(0.5)
        desk.session.screenshot(os.path.join(desk.shots, name + ".png"), window)

    # --- the steps --------------------------------------------------------------------------------

    def log_in_both(self):
        for desk in (self.a, self.b):
            desk.start()
            w = desk.window(LOGIN)
            desk.set(w, "Immetti la password e premi OK.", "telvara")
            desk.press(w, "OK")
            desk.window(MENU)
        pids = {self.a.app.get_process_id(), self.b.app.get_process_id()}
        assert pids == {self.a.program.pid, self.b.program.pid}, pids

    def same_client_on_both(self):
        for desk in (self.a, self.b):
            desk.press(desk.window(MENU), "ANAGRAFICA CLIENTI")
            w = desk.window(CLIENTS)
            desk.press(w, "Prima scheda")
            a.wait_until(lambda: desk.text(w, "Codice fiscale"), what="the first client on the card")
        self.card_a, self.card_b = self.a.window(CLIENTS), self.b.window(CLIENTS)
        self.tax_code = self.a.text(self.card_a, "Codice fiscale")
        assert self.b.text(self.card_b, "Codice fiscale") == self.tax_code

    def different_fields_both_kept(self):
        self.a.set(self.card_a, "Note", "Richiamare dopo le 17")
        self.b.set(self.card_b, "Occupazione", "Insegnante")
        self.a.press(self.card_a, "Salva")
        said = self.a.message(SAVED)
        self.check(MERGED not in said, f"desk A saved first and was told: {said!r}")
        self.b.press(self.card_b, "Salva")
        self.b.message(MERGED)
        line = self.client_line()
        assert "Richiamare dopo le 17" in line and "Insegnante" in line, line
        self.shows(self.b, self.card_b, "Note", "Richiamare dopo le 17")
        self.shows(self.b, self.card_b, "Occupazione", "Insegnante")
        # Desk A, with nothing unsaved, shows desk B's change once its operator comes back to it.
        self.come_back_to(self.a, CLIENTS)
        self.shows(self.a, self.card_a, "Occupazione", "Insegnante")
        self.shows(self.a, self.card_a, "Note", "Richiamare dopo le 17")
        self.snapshot(self.a, CLIENTS, "scheda-cliente-postazione-a")
        self.snapshot(self.b, CLIENTS, "scheda-cliente-postazione-b")

    def same_fields_chosen_on_the_second_desk(self):
        for desk, card, note, job in [(self.a, self.card_a, "Preventivo inviato", "Artigiano"),
                                      (self.b, self.card_b, LONG_NOTE, "Impiegato")]:
            desk.set(card, "Note", note)
            desk.set(card, "Occupazione", job)
        self.a.press(self.card_a, "Salva")
        self.a.message(SAVED)

        # Annulla writes nothing, and the card keeps what its operator typed.
        self.b.press(self.card_b, "Salva")
        w = self.b.window(CONFLICT)
        self.b.press(w, "Annulla")
        self.b.gone(CONFLICT)
        self.b.no_message()
        line = self.client_line()
        assert "Preventivo inviato" in line and "Artigiano" in line, line
        self.shows(self.b, self.card_b, "Note", LONG_NOTE)

        self.b.press(self.card_b, "Salva")
        w = self.b.window(CONFLICT)
        # Each field's value first shown is spoken with it.
        for field, first in [("Note", "Richiamare dopo le 17"), ("Occupazione", "Insegnante")]:
            self.b.controls(w, f"{field}: valore all'apertura della scheda: {first}", "label")
        # Every value is shown whole inside the window, the long note too.
        left, top, width, height = a.extents(w)
        for node in a.find_all(w, ["radio button", "label"]):
            x, y, node_width, node_height = a.extents(node)
            inside = left <= x and x + node_width <= left + width and top <= y and y + node_height <= top + height
            self.check(inside, f"'{node.name}' lies outside the conflict window: {x},{y} {node_width}x{node_height}")
        keep_stored = self.b.controls(w, "Note: tieni il valore in archivio, Preventivo inviato", "radio button")
        keep_mine = self.b.controls(w, "Occupazione: tieni il valore digitato qui, Impiegato", "radio button")
        self.b.controls(w, "Note: tieni il valore digitato qui, " + LONG_NOTE, "radio button")
        self.b.controls(w, "Occupazione: tieni il valore in archivio, Artigiano", "radio button")
        a.press(keep_stored[0])
        a.wait_until(lambda: checked(keep_stored[0]), what="the archive's note chosen")
        self.check(checked(keep_mine[0]), "the value typed here is not the one proposed")
        self.snapshot(self.b, " " + CONFLICT, "finestra-conflitto")
        self.b.press(w, "Salva")
        self.b.gone(CONFLICT)
        self.b.message(MERGED)
        line = self.client_line()
        assert "Preventivo inviato" in line and "Impiegato" in line and "Artigiano" not in line, line
        self.shows(self.b, self.card_b, "Note", "Preventivo inviato")
        self.shows(self.b, self.card_b, "Occupazione", "Impiegato")
        self.snapshot(self.b, CLIENTS, "scheda-cliente-postazione-b-dopo-la-scelta")
        for desk, card in [(self.a, self.card_a), (self.b, self.card_b)]:
            desk.press(card, "Esci")

    def stock_sold_meanwhile_stays_sold(self):
        self.a.press(self.a.window(MENU), "PRODOTTI E SERVIZI")
        p = self.a.window(PRODUCTS)
        self.a.press(p, "Nuovo")
        for name, value in [("Codice articolo", ARTICLE), ("Descrizione", "Cuffia senza fili"),
                            ("Giacenza", "5"), ("Costo", "10,00"), ("Prezzo", "20,00"), ("Perc. IVA", "22")]:
            self.a.set(p, name, value)
        self.a.press(p, "Salva")
        self.a.message("La scheda corrente è stata inserita in archivio.")
        # Desk A's operator starts a note; meanwhile desk B sells two pieces from the stock.
        self.a.set(p, "Note", "Scaffale B")

        self.b.press(self.b.window(MENU), "REGISTRO VENDITE")
        menu = self.b.window(SALES_MENU)
        self.b.set(menu, "Anno", self.year)
        self.b.press(menu, "Apri")
        sale = self.b.window(f"Telvara 3.0 - Registro vendite anno {self.year}")
        self.b.press(sale, "Nuovo")
        self.b.press(sale, "Importa articolo")
        picker = self.b.window(PICKER)
        self.b.set(picker, "Codice articolo", ARTICLE)
        self.b.press(picker, "Cerca")
        self.b.click(a.find(picker, None, "list item"))
        self.b.set(picker, "Quantità da scaricare", "2")
        self.b.press(picker, "Importa articolo e aggiorna giacenza")
        self.b.gone(PICKER)
        assert "Giacenza: 3 " in self.a.cli("cerca", "articoli", "--codice", ARTICLE)

        self.a.press(p, "Salva")
        self.a.message(MERGED)
        found = self.a.cli("cerca", "articoli", "--codice", ARTICLE)
        assert "Giacenza: 3 " in found and "Scaffale B" in found, found
        self.shows(self.a, p, "Giacenza", "3")
        self.snapshot(self.a, PRODUCTS, "scheda-prodotto-postazione-a")
        self.b.press(sale, "Esci")
        self.product_card = p

    def save_while_the_backend_is_stopped(self):
        """Desk A's backend stops answering (not shut down) while it saves, and then answers again."""
        p = self.product_card
        articles = self.a.cli("cerca", "articoli").strip().splitlines()[-1]
        backends = self.backends("postazione-a")
        assert backends, "desk A holds no connection to the server"
        self.a.set(p, "Note", "Scaffale C")
        field = self.a.field(p, "Note")
        for pid in backends:
            os.kill(pid, signal.SIGSTOP)
        try:
            self.a.press(p, "Salva")
            time.sleep(1)
            answered = a.answer_time(field, ANSWER_WITHIN)
            time.sleep(max(0.0, STOPPED_FOR - 1 - (answered or ANSWER_WITHIN)))
        finally:
            for pid in backends:
                os.kill(pid, signal.SIGCONT)
        print(f"MEASURE desk A's window with its backend stopped: "
              f"{'answered in %.2f s' % answered if answered is not None else 'no answer'}", flush=True)
        if self.bounded:
            self.check(answered is not None, f"desk A's window did not answer within {ANSWER_WITHIN} s "
                                             "while its backend was stopped")
        self.a.message(SAVED)
        found = self.a.cli("cerca", "articoli", "--codice", ARTICLE)
        assert "contiene 1 schede" in found and "Scaffale C" in found and "Giacenza: 3 " in found, found
        assert self.a.cli("cerca", "articoli").strip().splitlines()[-1] == articles

    def backends(self, application):
        query = f"SELECT pid FROM pg_stat_activity WHERE application_name = '{application}'"
        result = subprocess.run(["psql", "-Atq", "-d", self.server, "-c", query], capture_output=True,
                                text=True, check=True)
        return [int(pid) for pid in result.stdout.split()]

    def archives_sound(self):
        self.a.cli("verifica")

    def steps(self):
        steps = [self.log_in_both, self.same_client_on_both, self.different_fields_both_kept,
                 self.same_fields_chosen_on_the_second_desk, self.stock_sold_meanwhile_stays_sold]
        if self.server:
            steps.append(self.save_while_the_backend_is_stopped)
        return steps + [self.archives_sound]


def checked(node):
    return a.states(node).contains(a.pyatspi.STATE_CHECKED)


def main():
    build, shots = sys.argv[1], sys.argv[2]
    options = sys.argv[3:]
    os.makedirs(shots, exist_ok=True)
    if "--server" not in options:
        return two_desks(build, shots, None, False)
    script = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts",
                          "throwaway-postgres.sh")
    cluster = f"/tmp/telvara-postazioni-postgres-{os.getpid()}"
    uri = subprocess.run(["bash", script, "start", cluster], check=True, capture_output=True,
                         text=True).stdout.strip()
    try:
        return two_desks(build, shots, uri, "--attesa-limitata" in options)
    finally:
        subprocess.run(["bash", script, "stop", cluster])


def two_desks(build, shots, server, bounded):
    passed, failed = 0, 0
    global a, Operator
    with DesktopSession() as session:
        os.environ.update(session.env)
        import accessible
        import telvara_operator
        a, Operator = accessible, telvara_operator.Operator
        folders = [os.path.join(shots, "postazione-" + desk) for desk in "ab"]
        for folder in folders:
            os.makedirs(folder, exist_ok=True)
        # Over the server each desk names itself to it, so that its backends can be told apart.
        desk_a = Operator(session, build, folders[0], archive=server and server + "&application_name=postazione-a")
        desk_b = Operator(session, build, folders[1], folder=desk_a.folder,
                          archive=server and server + "&application_name=postazione-b")
        desks = TwoDesks(desk_a, desk_b, server, bounded)
        try:
            for step in desks.steps():
                started = time.monotonic()
                try:
                    step()
                except Exception:
                    failed += 1
                    desk_a.screenshot("errore-" + step.__name__)
                    print(f"FAIL {step.__name__}", flush=True)
                    traceback.print_exc()
                    break
                passed += 1
                print(f"PASS {step.__name__} ({time.monotonic() - started:.1f} s)", flush=True)
            for problem in desk_a.problems + desk_b.problems:
                print("FAIL window walk:", problem, flush=True)
            if desk_a.problems or desk_b.problems or desks.failures:
                failed += 1
        finally:
            desk_b.stop()
            desk_a.stop()
    print(f"{passed} passed, {failed} failed", flush=True)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
