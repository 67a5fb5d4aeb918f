<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>AddWordDlg</name>
    <message>
        <source>Add Word</source>
        <translation>Dodaj słowo</translation>
    </message>
    <message>
        <source>Enter new Word:</source>
        <translation>Wpisz nowe słowo:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Pommelot</source>
        <translation>O programie Pommelot</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Pommelot %1&lt;/h2&gt;&lt;p&gt;A keyboard play program for toddlers: every key press shows the next shape, letter, number, word or sum, large and in colour, and speaks it in your own voice.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Credits&lt;/b&gt;&lt;br&gt;Program, pictures and the green bird: the Pommelot developers.&lt;br&gt;Starter voice: made with eSpeak NG.&lt;br&gt;Built with Qt, SDL and libsndfile.&lt;/p&gt;&lt;p&gt;Record your own voice in Settings; it always takes the place of the starter voice.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Pommelot %1&lt;/h2&gt;&lt;p&gt;Zabawa klawiaturą dla maluchów: każde naciśnięcie klawisza pokazuje kolejny kształt, literę, liczbę, słowo lub działanie, duże i kolorowe, i wypowiada je Twoim własnym głosem.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Podziękowania&lt;/b&gt;&lt;br&gt;Program, obrazki i zielony ptaszek: twórcy Pommelot.&lt;br&gt;Głos startowy: wykonany z eSpeak NG.&lt;br&gt;Zbudowany z Qt, SDL i libsndfile.&lt;/p&gt;&lt;p&gt;Nagraj swój głos w Ustawieniach; zawsze zastępuje on głos startowy.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>CAddWordDlg</name>
    <message>
        <source>A word cannot contain / or \, and cannot be &quot;.&quot; or &quot;..&quot; alone. Please type another word.</source>
        <translation>Słowo nie może zawierać / ani \ ani być samą &quot;.&quot; lub &quot;..&quot;. Wpisz inne słowo.</translation>
    </message>
</context>
<context>
    <name>CAudioManager</name>
    <message>
        <source>Another recording is already running.</source>
        <translation>Trwa już inne nagrywanie.</translation>
    </message>
    <message>
        <source>The recording could not be saved.</source>
        <translation>Nie udało się zapisać nagrania.</translation>
    </message>
    <message>
        <source>No sound came from the microphone.</source>
        <translation>Z mikrofonu nie dochodzi żaden dźwięk.</translation>
    </message>
</context>
<context>
    <name>CDocumentFileDialog</name>
    <message>
        <source>Save As - click Save to confirm</source>
        <translation>Zapisz jako – kliknij Zapisz, aby potwierdzić</translation>
    </message>
    <message>
        <source>Open - click Open to confirm</source>
        <translation>Otwórz – kliknij Otwórz, aby potwierdzić</translation>
    </message>
</context>
<context>
    <name>CGeneralPropPg</name>
    <message>
        <source>Covers every screen. To leave, hold %1 for three seconds.</source>
        <translation>Zakrywa każdy ekran. Aby wyjść, przytrzymaj %1 przez trzy sekundy.</translation>
    </message>
</context>
<context>
    <name>CKeyboardLock</name>
    <message>
        <source>another program holds the keyboard</source>
        <translation>inny program trzyma klawiaturę</translation>
    </message>
    <message>
        <source>the window cannot take the keyboard yet</source>
        <translation>okno nie może jeszcze przejąć klawiatury</translation>
    </message>
    <message>
        <source>keyboard grab</source>
        <translation>klawiatura przechwycona</translation>
    </message>
</context>
<context>
    <name>CLeaveRing</name>
    <message>
        <source>Keep holding %1 to leave full screen</source>
        <translation>Trzymaj dalej %1, aby wyjść z pełnego ekranu</translation>
    </message>
</context>
<context>
    <name>CLockNotice</name>
    <message>
        <source>%1.
If your desktop asks whether Pommelot may inhibit shortcuts, choose Allow: that keeps a child&apos;s key presses inside Pommelot.</source>
        <translation>%1.
Jeśli pulpit zapyta, czy Pommelot może blokować skróty, wybierz Zezwól: wtedy naciśnięcia klawiszy przez dziecko zostają w Pommelot.</translation>
    </message>
    <message>
        <source>%1.
A child&apos;s key presses may reach the desktop while Pommelot is in front: stay close.</source>
        <translation>%1.
Naciśnięcia klawiszy przez dziecko mogą dotrzeć do pulpitu, gdy Pommelot jest na wierzchu: bądź w pobliżu.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>CLockStatus</name>
    <message>
        <source>Keyboard lock: </source>
        <translation>Blokada klawiatury: </translation>
    </message>
    <message>
        <source>not available on this desktop (no keyboard lock on this platform)</source>
        <translation>niedostępna na tym pulpicie (brak blokady klawiatury na tej platformie)</translation>
    </message>
    <message>
        <source>; pointer not held on this desktop (%1)</source>
        <translation>; wskaźnik nie jest trzymany na tym pulpicie (%1)</translation>
    </message>
    <message>
        <source>; pointer not held (%1)</source>
        <translation>; wskaźnik nie jest trzymany (%1)</translation>
    </message>
    <message>
        <source>on (%1)</source>
        <translation>włączona (%1)</translation>
    </message>
    <message>
        <source>paused (in play: %1)</source>
        <translation>wstrzymana (podczas zabawy: %1)</translation>
    </message>
    <message>
        <source>not available on this desktop (%1)</source>
        <translation>niedostępna na tym pulpicie (%1)</translation>
    </message>
    <message>
        <source>not holding (%1)</source>
        <translation>nie trzyma (%1)</translation>
    </message>
    <message>
        <source>waiting (%1)</source>
        <translation>czeka (%1)</translation>
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
        <translation>Litery</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Liczby</translation>
    </message>
    <message>
        <source>Shapes and Colors</source>
        <translation>Kształty i kolory</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Słowa</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Dodawanie</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Odejmowanie</translation>
    </message>
    <message>
        <source>Talking Bird</source>
        <translation>Gadający ptaszek</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>About Pommelot and its credits</source>
        <translation>O programie Pommelot i podziękowania</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Pasek narzędzi</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already holds data. A Pommelot document holds none, so the file was left as it is.</source>
        <translation>„%1” zawiera już dane. Dokument Pommelot nie zawiera żadnych, więc plik pozostał bez zmian.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be created.</source>
        <translation>Nie udało się utworzyć „%1”.</translation>
    </message>
</context>
<context>
    <name>CMyFontDlg</name>
    <message>
        <source>Font</source>
        <translation>Czcionka</translation>
    </message>
</context>
<context>
    <name>CMyPropertyPage</name>
    <message>
        <source>Play Sound</source>
        <translation>Odtwórz dźwięk</translation>
    </message>
    <message>
        <source>Record Sound</source>
        <translation>Nagraj dźwięk</translation>
    </message>
    <message>
        <source>Change Font</source>
        <translation>Zmień czcionkę</translation>
    </message>
    <message>
        <source>Add New Word</source>
        <translation>Dodaj nowe słowo</translation>
    </message>
    <message>
        <source>Delete Word</source>
        <translation>Usuń słowo</translation>
    </message>
    <message>
        <source>Recording stopped: nothing was changed.</source>
        <translation>Nagrywanie przerwane: nic nie zmieniono.</translation>
    </message>
    <message>
        <source>Recording “%1”: speak now, %2 s left</source>
        <translation>Nagrywanie „%1”: mów teraz, zostało %2 s</translation>
    </message>
    <message>
        <source>The sound could not be recorded.</source>
        <translation>Nie udało się nagrać dźwięku.</translation>
    </message>
    <message>
        <source>“%1” keeps its earlier recording. %2</source>
        <translation>„%1” zachowuje wcześniejsze nagranie. %2</translation>
    </message>
    <message>
        <source>“%1” was not recorded: %2</source>
        <translation>„%1” nie zostało nagrane: %2</translation>
    </message>
</context>
<context>
    <name>CPommelotApp</name>
    <message>
        <source>Making the starter voice in %1: %2 of %3 ready. Until then your own recordings or the English starter voice are heard.</source>
        <translation>Tworzenie głosu startowego w języku %1: gotowe %2 z %3. Do tego czasu słychać Twoje nagrania lub angielski głos startowy.</translation>
    </message>
    <message>
        <source>The starter voice in %1 could not be made for %2 of %3 items (its voice files are missing or damaged): they are heard in English.</source>
        <translation>Nie udało się utworzyć głosu startowego w języku %1 dla %2 z %3 elementów (brakuje plików głosu lub są uszkodzone): słychać je po angielsku.</translation>
    </message>
</context>
<context>
    <name>CScreenSaverInhibitor</name>
    <message>
        <source>screen kept on</source>
        <translation>ekran pozostaje włączony</translation>
    </message>
    <message>
        <source>A child is playing</source>
        <translation>Dziecko się bawi</translation>
    </message>
    <message>
        <source>no screen saver service on the session bus</source>
        <translation>brak usługi wygaszacza ekranu na magistrali sesji</translation>
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
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Zastosuj</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Litery</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Liczby</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Kolory</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>Kształty</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Słowa</translation>
    </message>
    <message>
        <source>Math</source>
        <translation>Liczenie</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Ptaszek</translation>
    </message>
</context>
<context>
    <name>CSleepKeysInhibitor</name>
    <message>
        <source>sleep keys held</source>
        <translation>klawisze usypiania zablokowane</translation>
    </message>
    <message>
        <source>A child is playing</source>
        <translation>Dziecko się bawi</translation>
    </message>
    <message>
        <source>no logind</source>
        <translation>brak logind</translation>
    </message>
    <message>
        <source>logind gave no inhibitor</source>
        <translation>logind nie udzielił blokady</translation>
    </message>
</context>
<context>
    <name>CSpinButton</name>
    <message>
        <source>Previous</source>
        <translation>Poprzedni</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Następny</translation>
    </message>
</context>
<context>
    <name>CWaylandIdleInhibitor</name>
    <message>
        <source>screen kept on</source>
        <translation>ekran pozostaje włączony</translation>
    </message>
    <message>
        <source>the compositor has no idle inhibiting</source>
        <translation>kompozytor nie potrafi blokować bezczynności</translation>
    </message>
</context>
<context>
    <name>CWaylandPointerConfinement</name>
    <message>
        <source>the compositor cannot keep the pointer in</source>
        <translation>kompozytor nie potrafi zatrzymać wskaźnika</translation>
    </message>
    <message>
        <source>the window is not shown yet</source>
        <translation>okno nie jest jeszcze widoczne</translation>
    </message>
    <message>
        <source>the desktop has no pointer</source>
        <translation>pulpit nie ma wskaźnika</translation>
    </message>
    <message>
        <source>asked the compositor, no answer yet</source>
        <translation>zapytano kompozytor, brak odpowiedzi</translation>
    </message>
    <message>
        <source>the desktop let the pointer go</source>
        <translation>pulpit zwolnił wskaźnik</translation>
    </message>
</context>
<context>
    <name>CWaylandShortcutsInhibitor</name>
    <message>
        <source>compositor shortcuts held</source>
        <translation>skróty kompozytora zablokowane</translation>
    </message>
    <message>
        <source>the compositor does not allow shortcut inhibiting</source>
        <translation>kompozytor nie pozwala blokować skrótów</translation>
    </message>
    <message>
        <source>the window is not shown yet</source>
        <translation>okno nie jest jeszcze widoczne</translation>
    </message>
    <message>
        <source>asked the compositor, no answer yet</source>
        <translation>zapytano kompozytor, brak odpowiedzi</translation>
    </message>
    <message>
        <source>the desktop lifted the shortcut inhibitor</source>
        <translation>pulpit zdjął blokadę skrótów</translation>
    </message>
</context>
<context>
    <name>CWordsPropPg</name>
    <message>
        <source>That entry is already in the list.</source>
        <translation>Ten wpis jest już na liście.</translation>
    </message>
</context>
<context>
    <name>CX11ScreenSaver</name>
    <message>
        <source>screen kept on</source>
        <translation>ekran pozostaje włączony</translation>
    </message>
    <message>
        <source>the X server has no screen saver extension</source>
        <translation>serwer X nie ma rozszerzenia wygaszacza ekranu</translation>
    </message>
    <message>
        <source>the X server refused</source>
        <translation>serwer X odmówił</translation>
    </message>
</context>
<context>
    <name>CX11ServerKeys</name>
    <message>
        <source>VT switching off</source>
        <translation>przełączanie konsol wyłączone</translation>
    </message>
    <message>
        <source>the server&apos;s keyboard map cannot be read</source>
        <translation>nie można odczytać mapy klawiatury serwera</translation>
    </message>
    <message>
        <source>the server refused the keyboard map</source>
        <translation>serwer odrzucił mapę klawiatury</translation>
    </message>
</context>
<context>
    <name>GeneralPage</name>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>&amp;Enable Audio</source>
        <translation>&amp;Włącz dźwięk</translation>
    </message>
    <message>
        <source>&amp;Lock Keyboard</source>
        <translation>&amp;Zablokuj klawiaturę</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Czcionka</translation>
    </message>
    <message>
        <source>Reverse word &amp;Order (Circle-Red instead of Red-Circle)</source>
        <translation>Odwróć &amp;kolejność (Koło-Czerwony zamiast Czerwony-Koło)</translation>
    </message>
    <message>
        <source>Delay Sound by:</source>
        <translation>Opóźnij dźwięk o:</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>sekund</translation>
    </message>
    <message>
        <source>&amp;Randomize Words</source>
        <translation>Słowa w &amp;losowej kolejności</translation>
    </message>
    <message>
        <source>Lan&amp;guage:</source>
        <translation>Ję&amp;zyk:</translation>
    </message>
    <message>
        <source>Start the word lists &amp;anew from this language&apos;s starter words</source>
        <translation>Zacznij listy słów o&amp;d nowa od słów startowych tego języka</translation>
    </message>
    <message>
        <source>Full &amp;Screen</source>
        <translation>Pełny &amp;ekran</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
</context>
<context>
    <name>RecordItemsPage</name>
    <message>
        <source>Audio</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>&amp;Recording sound for:</source>
        <translation>&amp;Nagraj dźwięk dla:</translation>
    </message>
    <message>
        <source>Choose the item</source>
        <translation>Wybierz element</translation>
    </message>
    <message>
        <source>Input level</source>
        <translation>Poziom wejścia</translation>
    </message>
</context>
<context>
    <name>Vocabulary</name>
    <message>
        <source>Red</source>
        <translation>Czerwony</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Pomarańczowy</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Żółty</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zielony</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Niebieski</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>Indygo</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Fioletowy</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Biały</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Czarny</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Koło</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Kwadrat</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Trójkąt</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Prostokąt</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Romb</translation>
    </message>
    <message>
        <source>Pentagon</source>
        <translation>Pięciokąt</translation>
    </message>
    <message>
        <source>Hexagon</source>
        <translation>Sześciokąt</translation>
    </message>
    <message>
        <source>Octagon</source>
        <translation>Ośmiokąt</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Gwiazda</translation>
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
        <translation>równa się</translation>
    </message>
</context>
<context>
    <name>WordList</name>
    <message>
        <source>Word list is empty.</source>
        <translation>Lista słów jest pusta.</translation>
    </message>
</context>
<context>
    <name>WordsPage</name>
    <message>
        <source>Words</source>
        <translation>Słowa</translation>
    </message>
    <message>
        <source>&amp;Word List</source>
        <translation>&amp;Lista słów</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>&amp;Recording sound for:</source>
        <translation>&amp;Nagraj dźwięk dla:</translation>
    </message>
    <message>
        <source>Choose the item</source>
        <translation>Wybierz element</translation>
    </message>
    <message>
        <source>Input level</source>
        <translation>Poziom wejścia</translation>
    </message>
</context>
<context>
    <name>CPommelotDoc</name>
    <message>
        <source>Untitled</source>
        <translation>Bez tytułu</translation>
    </message>
</context>
</TS>
