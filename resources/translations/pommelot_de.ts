<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AddWordDlg</name>
    <message>
        <source>Add Word</source>
        <translation>Wort hinzufügen</translation>
    </message>
    <message>
        <source>Enter new Word:</source>
        <translation>Neues Wort eingeben:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Pommelot</source>
        <translation>Über Pommelot</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Pommelot %1&lt;/h2&gt;&lt;p&gt;A keyboard play program for toddlers: every key press shows the next shape, letter, number, word or sum, large and in colour, and speaks it in your own voice.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Credits&lt;/b&gt;&lt;br&gt;Program, pictures and the green bird: the Pommelot developers.&lt;br&gt;Starter voice: made with eSpeak NG.&lt;br&gt;Built with Qt, SDL and libsndfile.&lt;/p&gt;&lt;p&gt;Record your own voice in Settings; it always takes the place of the starter voice.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Pommelot %1&lt;/h2&gt;&lt;p&gt;Ein Tastatur-Spielprogramm für Kleinkinder: Jeder Tastendruck zeigt die nächste Form, den nächsten Buchstaben, die nächste Zahl, das nächste Wort oder die nächste Rechnung groß und bunt und spricht sie mit Ihrer eigenen Stimme.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Mitwirkende&lt;/b&gt;&lt;br&gt;Programm, Bilder und der grüne Vogel: die Pommelot-Entwickler.&lt;br&gt;Startstimme: erzeugt mit eSpeak NG.&lt;br&gt;Erstellt mit Qt, SDL und libsndfile.&lt;/p&gt;&lt;p&gt;Nehmen Sie in den Einstellungen Ihre eigene Stimme auf; sie tritt immer an die Stelle der Startstimme.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>CAddWordDlg</name>
    <message>
        <source>A word cannot contain / or \, and cannot be &quot;.&quot; or &quot;..&quot; alone. Please type another word.</source>
        <translation>Ein Wort darf weder / noch \ enthalten und nicht nur &quot;.&quot; oder &quot;..&quot; sein. Bitte geben Sie ein anderes Wort ein.</translation>
    </message>
</context>
<context>
    <name>CAudioManager</name>
    <message>
        <source>Another recording is already running.</source>
        <translation>Es läuft bereits eine andere Aufnahme.</translation>
    </message>
    <message>
        <source>The recording could not be saved.</source>
        <translation>Die Aufnahme konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>No sound came from the microphone.</source>
        <translation>Vom Mikrofon kam kein Ton.</translation>
    </message>
</context>
<context>
    <name>CDocumentFileDialog</name>
    <message>
        <source>Save As - click Save to confirm</source>
        <translation>Speichern unter – zum Bestätigen auf Speichern klicken</translation>
    </message>
    <message>
        <source>Open - click Open to confirm</source>
        <translation>Öffnen – zum Bestätigen auf Öffnen klicken</translation>
    </message>
</context>
<context>
    <name>CGeneralPropPg</name>
    <message>
        <source>Covers every screen. To leave, hold %1 for three seconds.</source>
        <translation>Füllt jeden Bildschirm. Zum Verlassen %1 drei Sekunden lang halten.</translation>
    </message>
</context>
<context>
    <name>CKeyboardLock</name>
    <message>
        <source>another program holds the keyboard</source>
        <translation>ein anderes Programm hält die Tastatur</translation>
    </message>
    <message>
        <source>the window cannot take the keyboard yet</source>
        <translation>das Fenster kann die Tastatur noch nicht übernehmen</translation>
    </message>
    <message>
        <source>keyboard grab</source>
        <translation>Tastatur gegriffen</translation>
    </message>
</context>
<context>
    <name>CLeaveRing</name>
    <message>
        <source>Keep holding %1 to leave full screen</source>
        <translation>%1 weiter halten, um den Vollbildmodus zu verlassen</translation>
    </message>
</context>
<context>
    <name>CLockNotice</name>
    <message>
        <source>%1.
If your desktop asks whether Pommelot may inhibit shortcuts, choose Allow: that keeps a child&apos;s key presses inside Pommelot.</source>
        <translation>%1.
Wenn Ihr Desktop fragt, ob Pommelot Tastenkürzel unterdrücken darf, wählen Sie Erlauben: So bleiben die Tastendrücke eines Kindes in Pommelot.</translation>
    </message>
    <message>
        <source>%1.
A child&apos;s key presses may reach the desktop while Pommelot is in front: stay close.</source>
        <translation>%1.
Die Tastendrücke eines Kindes können den Desktop erreichen, während Pommelot vorne ist: Bleiben Sie in der Nähe.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>CLockStatus</name>
    <message>
        <source>Keyboard lock: </source>
        <translation>Tastatursperre: </translation>
    </message>
    <message>
        <source>not available on this desktop (no keyboard lock on this platform)</source>
        <translation>auf diesem Desktop nicht verfügbar (keine Tastatursperre auf dieser Plattform)</translation>
    </message>
    <message>
        <source>; pointer not held on this desktop (%1)</source>
        <translation>; Mauszeiger auf diesem Desktop nicht gehalten (%1)</translation>
    </message>
    <message>
        <source>; pointer not held (%1)</source>
        <translation>; Mauszeiger nicht gehalten (%1)</translation>
    </message>
    <message>
        <source>on (%1)</source>
        <translation>an (%1)</translation>
    </message>
    <message>
        <source>paused (in play: %1)</source>
        <translation>pausiert (beim Spielen: %1)</translation>
    </message>
    <message>
        <source>not available on this desktop (%1)</source>
        <translation>auf diesem Desktop nicht verfügbar (%1)</translation>
    </message>
    <message>
        <source>not holding (%1)</source>
        <translation>hält nicht (%1)</translation>
    </message>
    <message>
        <source>waiting (%1)</source>
        <translation>wartet (%1)</translation>
    </message>
    <message>
        <source>; %1</source>
        <translation>; %1</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Letters</source>
        <translation>Buchstaben</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Zahlen</translation>
    </message>
    <message>
        <source>Shapes and Colors</source>
        <translation>Formen und Farben</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Subtraktion</translation>
    </message>
    <message>
        <source>Talking Bird</source>
        <translation>Sprechender Vogel</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About Pommelot and its credits</source>
        <translation>Über Pommelot und Mitwirkende</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already holds data. A Pommelot document holds none, so the file was left as it is.</source>
        <translation>„%1“ enthält bereits Daten. Ein Pommelot-Dokument enthält keine, daher wurde die Datei nicht verändert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be created.</source>
        <translation>„%1“ konnte nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>CMyFontDlg</name>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
</context>
<context>
    <name>CMyPropertyPage</name>
    <message>
        <source>Play Sound</source>
        <translation>Ton abspielen</translation>
    </message>
    <message>
        <source>Record Sound</source>
        <translation>Ton aufnehmen</translation>
    </message>
    <message>
        <source>Change Font</source>
        <translation>Schrift ändern</translation>
    </message>
    <message>
        <source>Add New Word</source>
        <translation>Neues Wort hinzufügen</translation>
    </message>
    <message>
        <source>Delete Word</source>
        <translation>Wort löschen</translation>
    </message>
    <message>
        <source>Recording stopped: nothing was changed.</source>
        <translation>Aufnahme beendet: Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>Recording “%1”: speak now, %2 s left</source>
        <translation>Aufnahme „%1“: jetzt sprechen, noch %2 s</translation>
    </message>
    <message>
        <source>The sound could not be recorded.</source>
        <translation>Der Ton konnte nicht aufgenommen werden.</translation>
    </message>
    <message>
        <source>“%1” keeps its earlier recording. %2</source>
        <translation>„%1“ behält seine frühere Aufnahme. %2</translation>
    </message>
    <message>
        <source>“%1” was not recorded: %2</source>
        <translation>„%1“ wurde nicht aufgenommen: %2</translation>
    </message>
</context>
<context>
    <name>CPommelotApp</name>
    <message>
        <source>Making the starter voice in %1: %2 of %3 ready. Until then your own recordings or the English starter voice are heard.</source>
        <translation>Die Startstimme auf %1 wird erstellt: %2 von %3 fertig. Bis dahin sind Ihre eigenen Aufnahmen oder die englische Startstimme zu hören.</translation>
    </message>
    <message>
        <source>The starter voice in %1 could not be made for %2 of %3 items (its voice files are missing or damaged): they are heard in English.</source>
        <translation>Die Startstimme auf %1 konnte für %2 von %3 Einträgen nicht erstellt werden (ihre Stimmdateien fehlen oder sind beschädigt): Sie sind auf Englisch zu hören.</translation>
    </message>
</context>
<context>
    <name>CScreenSaverInhibitor</name>
    <message>
        <source>screen kept on</source>
        <translation>Bildschirm bleibt an</translation>
    </message>
    <message>
        <source>A child is playing</source>
        <translation>Ein Kind spielt</translation>
    </message>
    <message>
        <source>no screen saver service on the session bus</source>
        <translation>kein Bildschirmschoner-Dienst auf dem Sitzungsbus</translation>
    </message>
</context>
<context>
    <name>CSettingsPropSheet</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>Ü&amp;bernehmen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Buchstaben</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Zahlen</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>Formen</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>Math</source>
        <translation>Rechnen</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Vogel</translation>
    </message>
</context>
<context>
    <name>CSleepKeysInhibitor</name>
    <message>
        <source>sleep keys held</source>
        <translation>Schlaftasten gehalten</translation>
    </message>
    <message>
        <source>A child is playing</source>
        <translation>Ein Kind spielt</translation>
    </message>
    <message>
        <source>no logind</source>
        <translation>kein logind</translation>
    </message>
    <message>
        <source>logind gave no inhibitor</source>
        <translation>logind gab keine Sperre</translation>
    </message>
</context>
<context>
    <name>CSpinButton</name>
    <message>
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
</context>
<context>
    <name>CWaylandIdleInhibitor</name>
    <message>
        <source>screen kept on</source>
        <translation>Bildschirm bleibt an</translation>
    </message>
    <message>
        <source>the compositor has no idle inhibiting</source>
        <translation>der Compositor kann Leerlauf nicht verhindern</translation>
    </message>
</context>
<context>
    <name>CWaylandPointerConfinement</name>
    <message>
        <source>the compositor cannot keep the pointer in</source>
        <translation>der Compositor kann den Mauszeiger nicht halten</translation>
    </message>
    <message>
        <source>the window is not shown yet</source>
        <translation>das Fenster ist noch nicht sichtbar</translation>
    </message>
    <message>
        <source>the desktop has no pointer</source>
        <translation>der Desktop hat keinen Mauszeiger</translation>
    </message>
    <message>
        <source>asked the compositor, no answer yet</source>
        <translation>Compositor gefragt, noch keine Antwort</translation>
    </message>
    <message>
        <source>the desktop let the pointer go</source>
        <translation>der Desktop hat den Mauszeiger freigegeben</translation>
    </message>
</context>
<context>
    <name>CWaylandShortcutsInhibitor</name>
    <message>
        <source>compositor shortcuts held</source>
        <translation>Tastenkürzel des Compositors gesperrt</translation>
    </message>
    <message>
        <source>the compositor does not allow shortcut inhibiting</source>
        <translation>der Compositor erlaubt kein Unterdrücken von Tastenkürzeln</translation>
    </message>
    <message>
        <source>the window is not shown yet</source>
        <translation>das Fenster ist noch nicht sichtbar</translation>
    </message>
    <message>
        <source>asked the compositor, no answer yet</source>
        <translation>Compositor gefragt, noch keine Antwort</translation>
    </message>
    <message>
        <source>the desktop lifted the shortcut inhibitor</source>
        <translation>der Desktop hat die Tastenkürzel-Sperre aufgehoben</translation>
    </message>
</context>
<context>
    <name>CWordsPropPg</name>
    <message>
        <source>That entry is already in the list.</source>
        <translation>Dieser Eintrag steht schon in der Liste.</translation>
    </message>
</context>
<context>
    <name>CX11ScreenSaver</name>
    <message>
        <source>screen kept on</source>
        <translation>Bildschirm bleibt an</translation>
    </message>
    <message>
        <source>the X server has no screen saver extension</source>
        <translation>der X-Server hat keine Bildschirmschoner-Erweiterung</translation>
    </message>
    <message>
        <source>the X server refused</source>
        <translation>der X-Server hat abgelehnt</translation>
    </message>
</context>
<context>
    <name>CX11ServerKeys</name>
    <message>
        <source>VT switching off</source>
        <translation>Konsolenwechsel aus</translation>
    </message>
    <message>
        <source>the server&apos;s keyboard map cannot be read</source>
        <translation>die Tastaturbelegung des Servers ist nicht lesbar</translation>
    </message>
    <message>
        <source>the server refused the keyboard map</source>
        <translation>der Server hat die Tastaturbelegung abgelehnt</translation>
    </message>
</context>
<context>
    <name>GeneralPage</name>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>&amp;Enable Audio</source>
        <translation>Ton &amp;einschalten</translation>
    </message>
    <message>
        <source>&amp;Lock Keyboard</source>
        <translation>Tastatur &amp;sperren</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>Sc&amp;hrift</translation>
    </message>
    <message>
        <source>Reverse word &amp;Order (Circle-Red instead of Red-Circle)</source>
        <translation>Wort&amp;reihenfolge umkehren (Kreis-Rot statt Rot-Kreis)</translation>
    </message>
    <message>
        <source>Delay Sound by:</source>
        <translation>Ton verzögern um:</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>&amp;Randomize Words</source>
        <translation>Wörter &amp;zufällig</translation>
    </message>
    <message>
        <source>Lan&amp;guage:</source>
        <translation>Spr&amp;ache:</translation>
    </message>
    <message>
        <source>Start the word lists &amp;anew from this language&apos;s starter words</source>
        <translation>Wortlisten mit den Startwörtern dieser Sprache &amp;neu beginnen</translation>
    </message>
    <message>
        <source>Full &amp;Screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
</context>
<context>
    <name>RecordItemsPage</name>
    <message>
        <source>Audio</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>&amp;Recording sound for:</source>
        <translation>&amp;Aufnahme für:</translation>
    </message>
    <message>
        <source>Choose the item</source>
        <translation>Eintrag wählen</translation>
    </message>
    <message>
        <source>Input level</source>
        <translation>Eingangspegel</translation>
    </message>
</context>
<context>
    <name>Vocabulary</name>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>Indigo</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Dreieck</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Raute</translation>
    </message>
    <message>
        <source>Pentagon</source>
        <translation>Fünfeck</translation>
    </message>
    <message>
        <source>Hexagon</source>
        <translation>Sechseck</translation>
    </message>
    <message>
        <source>Octagon</source>
        <translation>Achteck</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>Trapezoid</source>
        <translation>Trapez</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>gleich</translation>
    </message>
</context>
<context>
    <name>WordList</name>
    <message>
        <source>Word list is empty.</source>
        <translation>Die Wortliste ist leer.</translation>
    </message>
</context>
<context>
    <name>WordsPage</name>
    <message>
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>&amp;Word List</source>
        <translation>&amp;Wortliste</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>&amp;Recording sound for:</source>
        <translation>&amp;Aufnahme für:</translation>
    </message>
    <message>
        <source>Choose the item</source>
        <translation>Eintrag wählen</translation>
    </message>
    <message>
        <source>Input level</source>
        <translation>Eingangspegel</translation>
    </message>
</context>
<context>
    <name>CPommelotDoc</name>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
</context>
</TS>
