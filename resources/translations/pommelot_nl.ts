<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>AddWordDlg</name>
    <message>
        <source>Add Word</source>
        <translation>Woord toevoegen</translation>
    </message>
    <message>
        <source>Enter new Word:</source>
        <translation>Nieuw woord:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Pommelot</source>
        <translation>Over Pommelot</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Pommelot %1&lt;/h2&gt;&lt;p&gt;A keyboard play program for toddlers: every key press shows the next shape, letter, number, word or sum, large and in colour, and speaks it in your own voice.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Credits&lt;/b&gt;&lt;br&gt;Program, pictures and the green bird: the Pommelot developers.&lt;br&gt;Starter voice: made with eSpeak NG.&lt;br&gt;Built with Qt, SDL and libsndfile.&lt;/p&gt;&lt;p&gt;Record your own voice in Settings; it always takes the place of the starter voice.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Pommelot %1&lt;/h2&gt;&lt;p&gt;Een toetsenbordspel voor peuters: elke toetsaanslag toont de volgende vorm, letter, cijfer, woord of som, groot en in kleur, en spreekt die uit met je eigen stem.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Met dank aan&lt;/b&gt;&lt;br&gt;Programma, plaatjes en de groene vogel: de makers van Pommelot.&lt;br&gt;Startstem: gemaakt met eSpeak NG.&lt;br&gt;Gebouwd met Qt, SDL en libsndfile.&lt;/p&gt;&lt;p&gt;Neem je eigen stem op in Instellingen; die neemt altijd de plaats in van de startstem.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>CAddWordDlg</name>
    <message>
        <source>A word cannot contain / or \, and cannot be &quot;.&quot; or &quot;..&quot; alone. Please type another word.</source>
        <translation>Een woord mag geen / of \ bevatten en niet alleen &quot;.&quot; of &quot;..&quot; zijn. Typ een ander woord.</translation>
    </message>
</context>
<context>
    <name>CAudioManager</name>
    <message>
        <source>Another recording is already running.</source>
        <translation>Er loopt al een andere opname.</translation>
    </message>
    <message>
        <source>The recording could not be saved.</source>
        <translation>De opname kon niet worden bewaard.</translation>
    </message>
    <message>
        <source>No sound came from the microphone.</source>
        <translation>Er kwam geen geluid van de microfoon.</translation>
    </message>
</context>
<context>
    <name>CDocumentFileDialog</name>
    <message>
        <source>Save As - click Save to confirm</source>
        <translation>Opslaan als – klik op Opslaan om te bevestigen</translation>
    </message>
    <message>
        <source>Open - click Open to confirm</source>
        <translation>Openen – klik op Openen om te bevestigen</translation>
    </message>
</context>
<context>
    <name>CGeneralPropPg</name>
    <message>
        <source>Covers every screen. To leave, hold %1 for three seconds.</source>
        <translation>Bedekt elk scherm. Houd %1 drie seconden ingedrukt om het te verlaten.</translation>
    </message>
</context>
<context>
    <name>CKeyboardLock</name>
    <message>
        <source>another program holds the keyboard</source>
        <translation>een ander programma houdt het toetsenbord vast</translation>
    </message>
    <message>
        <source>the window cannot take the keyboard yet</source>
        <translation>het venster kan het toetsenbord nog niet krijgen</translation>
    </message>
    <message>
        <source>keyboard grab</source>
        <translation>toetsenbord vastgehouden</translation>
    </message>
</context>
<context>
    <name>CLeaveRing</name>
    <message>
        <source>Keep holding %1 to leave full screen</source>
        <translation>Blijf %1 vasthouden om volledig scherm te verlaten</translation>
    </message>
</context>
<context>
    <name>CLockNotice</name>
    <message>
        <source>%1.
If your desktop asks whether Pommelot may inhibit shortcuts, choose Allow: that keeps a child&apos;s key presses inside Pommelot.</source>
        <translation>%1.
Als je bureaublad vraagt of Pommelot sneltoetsen mag onderdrukken, kies dan Toestaan: zo blijven de toetsaanslagen van een kind binnen Pommelot.</translation>
    </message>
    <message>
        <source>%1.
A child&apos;s key presses may reach the desktop while Pommelot is in front: stay close.</source>
        <translation>%1.
De toetsaanslagen van een kind kunnen het bureaublad bereiken terwijl Pommelot vooraan staat: blijf in de buurt.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>CLockStatus</name>
    <message>
        <source>Keyboard lock: </source>
        <translation>Toetsenbordslot: </translation>
    </message>
    <message>
        <source>not available on this desktop (no keyboard lock on this platform)</source>
        <translation>niet beschikbaar op dit bureaublad (geen toetsenbordslot op dit platform)</translation>
    </message>
    <message>
        <source>; pointer not held on this desktop (%1)</source>
        <translation>; aanwijzer niet vastgehouden op dit bureaublad (%1)</translation>
    </message>
    <message>
        <source>; pointer not held (%1)</source>
        <translation>; aanwijzer niet vastgehouden (%1)</translation>
    </message>
    <message>
        <source>on (%1)</source>
        <translation>aan (%1)</translation>
    </message>
    <message>
        <source>paused (in play: %1)</source>
        <translation>gepauzeerd (tijdens het spelen: %1)</translation>
    </message>
    <message>
        <source>not available on this desktop (%1)</source>
        <translation>niet beschikbaar op dit bureaublad (%1)</translation>
    </message>
    <message>
        <source>not holding (%1)</source>
        <translation>houdt niet vast (%1)</translation>
    </message>
    <message>
        <source>waiting (%1)</source>
        <translation>wacht (%1)</translation>
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
        <translation>Letters</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Cijfers</translation>
    </message>
    <message>
        <source>Shapes and Colors</source>
        <translation>Vormen en kleuren</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Woorden</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Optellen</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Aftrekken</translation>
    </message>
    <message>
        <source>Talking Bird</source>
        <translation>Pratende vogel</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>About Pommelot and its credits</source>
        <translation>Over Pommelot en met dank aan</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkbalk</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already holds data. A Pommelot document holds none, so the file was left as it is.</source>
        <translation>&quot;%1&quot; bevat al gegevens. Een Pommelot-document bevat er geen, dus het bestand is gelaten zoals het was.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be created.</source>
        <translation>&quot;%1&quot; kon niet worden aangemaakt.</translation>
    </message>
</context>
<context>
    <name>CMyFontDlg</name>
    <message>
        <source>Font</source>
        <translation>Lettertype</translation>
    </message>
</context>
<context>
    <name>CMyPropertyPage</name>
    <message>
        <source>Play Sound</source>
        <translation>Geluid afspelen</translation>
    </message>
    <message>
        <source>Record Sound</source>
        <translation>Geluid opnemen</translation>
    </message>
    <message>
        <source>Change Font</source>
        <translation>Lettertype wijzigen</translation>
    </message>
    <message>
        <source>Add New Word</source>
        <translation>Nieuw woord toevoegen</translation>
    </message>
    <message>
        <source>Delete Word</source>
        <translation>Woord verwijderen</translation>
    </message>
    <message>
        <source>Recording stopped: nothing was changed.</source>
        <translation>Opname gestopt: er is niets veranderd.</translation>
    </message>
    <message>
        <source>Recording “%1”: speak now, %2 s left</source>
        <translation>Opname &quot;%1&quot;: spreek nu, nog %2 s</translation>
    </message>
    <message>
        <source>The sound could not be recorded.</source>
        <translation>Het geluid kon niet worden opgenomen.</translation>
    </message>
    <message>
        <source>“%1” keeps its earlier recording. %2</source>
        <translation>&quot;%1&quot; houdt zijn eerdere opname. %2</translation>
    </message>
    <message>
        <source>“%1” was not recorded: %2</source>
        <translation>&quot;%1&quot; is niet opgenomen: %2</translation>
    </message>
</context>
<context>
    <name>CPommelotApp</name>
    <message>
        <source>Making the starter voice in %1: %2 of %3 ready. Until then your own recordings or the English starter voice are heard.</source>
        <translation>De startstem in het %1 wordt gemaakt: %2 van %3 klaar. Tot dan zijn je eigen opnamen of de Engelse startstem te horen.</translation>
    </message>
    <message>
        <source>The starter voice in %1 could not be made for %2 of %3 items (its voice files are missing or damaged): they are heard in English.</source>
        <translation>De startstem in het %1 kon voor %2 van %3 items niet worden gemaakt (de stembestanden ontbreken of zijn beschadigd): ze zijn in het Engels te horen.</translation>
    </message>
</context>
<context>
    <name>CScreenSaverInhibitor</name>
    <message>
        <source>screen kept on</source>
        <translation>scherm blijft aan</translation>
    </message>
    <message>
        <source>A child is playing</source>
        <translation>Er speelt een kind</translation>
    </message>
    <message>
        <source>no screen saver service on the session bus</source>
        <translation>geen schermbeveiligingsdienst op de sessiebus</translation>
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
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Toepassen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Letters</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Cijfers</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Kleuren</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>Vormen</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Woorden</translation>
    </message>
    <message>
        <source>Math</source>
        <translation>Rekenen</translation>
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
        <translation>slaaptoetsen vastgehouden</translation>
    </message>
    <message>
        <source>A child is playing</source>
        <translation>Er speelt een kind</translation>
    </message>
    <message>
        <source>no logind</source>
        <translation>geen logind</translation>
    </message>
    <message>
        <source>logind gave no inhibitor</source>
        <translation>logind gaf geen blokkering</translation>
    </message>
</context>
<context>
    <name>CSpinButton</name>
    <message>
        <source>Previous</source>
        <translation>Vorige</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Volgende</translation>
    </message>
</context>
<context>
    <name>CWaylandIdleInhibitor</name>
    <message>
        <source>screen kept on</source>
        <translation>scherm blijft aan</translation>
    </message>
    <message>
        <source>the compositor has no idle inhibiting</source>
        <translation>de compositor kan inactiviteit niet tegenhouden</translation>
    </message>
</context>
<context>
    <name>CWaylandPointerConfinement</name>
    <message>
        <source>the compositor cannot keep the pointer in</source>
        <translation>de compositor kan de aanwijzer niet vasthouden</translation>
    </message>
    <message>
        <source>the window is not shown yet</source>
        <translation>het venster is nog niet zichtbaar</translation>
    </message>
    <message>
        <source>the desktop has no pointer</source>
        <translation>het bureaublad heeft geen aanwijzer</translation>
    </message>
    <message>
        <source>asked the compositor, no answer yet</source>
        <translation>compositor gevraagd, nog geen antwoord</translation>
    </message>
    <message>
        <source>the desktop let the pointer go</source>
        <translation>het bureaublad liet de aanwijzer los</translation>
    </message>
</context>
<context>
    <name>CWaylandShortcutsInhibitor</name>
    <message>
        <source>compositor shortcuts held</source>
        <translation>sneltoetsen van de compositor geblokkeerd</translation>
    </message>
    <message>
        <source>the compositor does not allow shortcut inhibiting</source>
        <translation>de compositor staat het onderdrukken van sneltoetsen niet toe</translation>
    </message>
    <message>
        <source>the window is not shown yet</source>
        <translation>het venster is nog niet zichtbaar</translation>
    </message>
    <message>
        <source>asked the compositor, no answer yet</source>
        <translation>compositor gevraagd, nog geen antwoord</translation>
    </message>
    <message>
        <source>the desktop lifted the shortcut inhibitor</source>
        <translation>het bureaublad hief de sneltoetsblokkering op</translation>
    </message>
</context>
<context>
    <name>CWordsPropPg</name>
    <message>
        <source>That entry is already in the list.</source>
        <translation>Dat woord staat al in de lijst.</translation>
    </message>
</context>
<context>
    <name>CX11ScreenSaver</name>
    <message>
        <source>screen kept on</source>
        <translation>scherm blijft aan</translation>
    </message>
    <message>
        <source>the X server has no screen saver extension</source>
        <translation>de X-server heeft geen schermbeveiligingsextensie</translation>
    </message>
    <message>
        <source>the X server refused</source>
        <translation>de X-server weigerde</translation>
    </message>
</context>
<context>
    <name>CX11ServerKeys</name>
    <message>
        <source>VT switching off</source>
        <translation>consolewissel uit</translation>
    </message>
    <message>
        <source>the server&apos;s keyboard map cannot be read</source>
        <translation>de toetsenbordindeling van de server is niet leesbaar</translation>
    </message>
    <message>
        <source>the server refused the keyboard map</source>
        <translation>de server weigerde de toetsenbordindeling</translation>
    </message>
</context>
<context>
    <name>GeneralPage</name>
    <message>
        <source>General</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>&amp;Enable Audio</source>
        <translation>Geluid &amp;aan</translation>
    </message>
    <message>
        <source>&amp;Lock Keyboard</source>
        <translation>Toetsenbord &amp;vergrendelen</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Lettertype</translation>
    </message>
    <message>
        <source>Reverse word &amp;Order (Circle-Red instead of Red-Circle)</source>
        <translation>Woord&amp;volgorde omdraaien (Cirkel-Rood in plaats van Rood-Cirkel)</translation>
    </message>
    <message>
        <source>Delay Sound by:</source>
        <translation>Geluid vertragen met:</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>seconden</translation>
    </message>
    <message>
        <source>&amp;Randomize Words</source>
        <translation>Woorden in &amp;willekeurige volgorde</translation>
    </message>
    <message>
        <source>Lan&amp;guage:</source>
        <translation>T&amp;aal:</translation>
    </message>
    <message>
        <source>Start the word lists &amp;anew from this language&apos;s starter words</source>
        <translation>Woordenlijsten o&amp;pnieuw beginnen met de startwoorden van deze taal</translation>
    </message>
    <message>
        <source>Full &amp;Screen</source>
        <translation>&amp;Volledig scherm</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
</context>
<context>
    <name>RecordItemsPage</name>
    <message>
        <source>Audio</source>
        <translation>Geluid</translation>
    </message>
    <message>
        <source>&amp;Recording sound for:</source>
        <translation>&amp;Geluid opnemen voor:</translation>
    </message>
    <message>
        <source>Choose the item</source>
        <translation>Kies het item</translation>
    </message>
    <message>
        <source>Input level</source>
        <translation>Invoerniveau</translation>
    </message>
</context>
<context>
    <name>Vocabulary</name>
    <message>
        <source>Red</source>
        <translation>Rood</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Oranje</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Geel</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blauw</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>Indigo</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Wit</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Zwart</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cirkel</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Vierkant</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Driehoek</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechthoek</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Ruit</translation>
    </message>
    <message>
        <source>Pentagon</source>
        <translation>Vijfhoek</translation>
    </message>
    <message>
        <source>Hexagon</source>
        <translation>Zeshoek</translation>
    </message>
    <message>
        <source>Octagon</source>
        <translation>Achthoek</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Ster</translation>
    </message>
    <message>
        <source>Trapezoid</source>
        <translation>Trapezium</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>min</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>is</translation>
    </message>
</context>
<context>
    <name>WordList</name>
    <message>
        <source>Word list is empty.</source>
        <translation>De woordenlijst is leeg.</translation>
    </message>
</context>
<context>
    <name>WordsPage</name>
    <message>
        <source>Words</source>
        <translation>Woorden</translation>
    </message>
    <message>
        <source>&amp;Word List</source>
        <translation>&amp;Woordenlijst</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Geluid</translation>
    </message>
    <message>
        <source>&amp;Recording sound for:</source>
        <translation>&amp;Geluid opnemen voor:</translation>
    </message>
    <message>
        <source>Choose the item</source>
        <translation>Kies het item</translation>
    </message>
    <message>
        <source>Input level</source>
        <translation>Invoerniveau</translation>
    </message>
</context>
<context>
    <name>CPommelotDoc</name>
    <message>
        <source>Untitled</source>
        <translation>Naamloos</translation>
    </message>
</context>
</TS>
