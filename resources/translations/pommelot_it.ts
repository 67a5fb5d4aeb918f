<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AddWordDlg</name>
    <message>
        <source>Add Word</source>
        <translation>Aggiungi parola</translation>
    </message>
    <message>
        <source>Enter new Word:</source>
        <translation>Nuova parola:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Pommelot</source>
        <translation>Informazioni su Pommelot</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Pommelot %1&lt;/h2&gt;&lt;p&gt;A keyboard play program for toddlers: every key press shows the next shape, letter, number, word or sum, large and in colour, and speaks it in your own voice.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Credits&lt;/b&gt;&lt;br&gt;Program, pictures and the green bird: the Pommelot developers.&lt;br&gt;Starter voice: made with eSpeak NG.&lt;br&gt;Built with Qt, SDL and libsndfile.&lt;/p&gt;&lt;p&gt;Record your own voice in Settings; it always takes the place of the starter voice.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Pommelot %1&lt;/h2&gt;&lt;p&gt;Un gioco con la tastiera per i più piccoli: ogni tasto mostra la forma, la lettera, il numero, la parola o la somma successiva, grande e a colori, e la pronuncia con la tua voce.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Riconoscimenti&lt;/b&gt;&lt;br&gt;Programma, immagini e l&apos;uccellino verde: gli sviluppatori di Pommelot.&lt;br&gt;Voce iniziale: creata con eSpeak NG.&lt;br&gt;Realizzato con Qt, SDL e libsndfile.&lt;/p&gt;&lt;p&gt;Registra la tua voce nelle Impostazioni; prende sempre il posto della voce iniziale.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>CAddWordDlg</name>
    <message>
        <source>A word cannot contain / or \, and cannot be &quot;.&quot; or &quot;..&quot; alone. Please type another word.</source>
        <translation>Una parola non può contenere / o \, né essere solo &quot;.&quot; o &quot;..&quot;. Scrivi un&apos;altra parola.</translation>
    </message>
</context>
<context>
    <name>CAudioManager</name>
    <message>
        <source>Another recording is already running.</source>
        <translation>È già in corso un&apos;altra registrazione.</translation>
    </message>
    <message>
        <source>The recording could not be saved.</source>
        <translation>Non è stato possibile salvare la registrazione.</translation>
    </message>
    <message>
        <source>No sound came from the microphone.</source>
        <translation>Dal microfono non è arrivato alcun suono.</translation>
    </message>
</context>
<context>
    <name>CDocumentFileDialog</name>
    <message>
        <source>Save As - click Save to confirm</source>
        <translation>Salva come – fai clic su Salva per confermare</translation>
    </message>
    <message>
        <source>Open - click Open to confirm</source>
        <translation>Apri – fai clic su Apri per confermare</translation>
    </message>
</context>
<context>
    <name>CGeneralPropPg</name>
    <message>
        <source>Covers every screen. To leave, hold %1 for three seconds.</source>
        <translation>Copre ogni schermo. Per uscire, tieni premuto %1 per tre secondi.</translation>
    </message>
</context>
<context>
    <name>CKeyboardLock</name>
    <message>
        <source>another program holds the keyboard</source>
        <translation>un altro programma tiene la tastiera</translation>
    </message>
    <message>
        <source>the window cannot take the keyboard yet</source>
        <translation>la finestra non può ancora prendere la tastiera</translation>
    </message>
    <message>
        <source>keyboard grab</source>
        <translation>tastiera catturata</translation>
    </message>
</context>
<context>
    <name>CLeaveRing</name>
    <message>
        <source>Keep holding %1 to leave full screen</source>
        <translation>Continua a tenere premuto %1 per uscire dallo schermo intero</translation>
    </message>
</context>
<context>
    <name>CLockNotice</name>
    <message>
        <source>%1.
If your desktop asks whether Pommelot may inhibit shortcuts, choose Allow: that keeps a child&apos;s key presses inside Pommelot.</source>
        <translation>%1.
Se il desktop chiede se Pommelot può bloccare le scorciatoie, scegli Consenti: così i tasti premuti dal bambino restano dentro Pommelot.</translation>
    </message>
    <message>
        <source>%1.
A child&apos;s key presses may reach the desktop while Pommelot is in front: stay close.</source>
        <translation>%1.
I tasti premuti dal bambino possono raggiungere il desktop mentre Pommelot è in primo piano: resta vicino.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>CLockStatus</name>
    <message>
        <source>Keyboard lock: </source>
        <translation>Blocco tastiera: </translation>
    </message>
    <message>
        <source>not available on this desktop (no keyboard lock on this platform)</source>
        <translation>non disponibile su questo desktop (nessun blocco tastiera su questa piattaforma)</translation>
    </message>
    <message>
        <source>; pointer not held on this desktop (%1)</source>
        <translation>; puntatore non trattenuto su questo desktop (%1)</translation>
    </message>
    <message>
        <source>; pointer not held (%1)</source>
        <translation>; puntatore non trattenuto (%1)</translation>
    </message>
    <message>
        <source>on (%1)</source>
        <translation>attivo (%1)</translation>
    </message>
    <message>
        <source>paused (in play: %1)</source>
        <translation>in pausa (durante il gioco: %1)</translation>
    </message>
    <message>
        <source>not available on this desktop (%1)</source>
        <translation>non disponibile su questo desktop (%1)</translation>
    </message>
    <message>
        <source>not holding (%1)</source>
        <translation>non trattiene (%1)</translation>
    </message>
    <message>
        <source>waiting (%1)</source>
        <translation>in attesa (%1)</translation>
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
        <translation>Lettere</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Numeri</translation>
    </message>
    <message>
        <source>Shapes and Colors</source>
        <translation>Forme e colori</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Parole</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addizione</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Sottrazione</translation>
    </message>
    <message>
        <source>Talking Bird</source>
        <translation>Uccellino parlante</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>About Pommelot and its credits</source>
        <translation>Informazioni su Pommelot e riconoscimenti</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra degli strumenti</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already holds data. A Pommelot document holds none, so the file was left as it is.</source>
        <translation>&quot;%1&quot; contiene già dei dati. Un documento di Pommelot non ne contiene, quindi il file è rimasto com&apos;era.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be created.</source>
        <translation>Non è stato possibile creare &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>CMyFontDlg</name>
    <message>
        <source>Font</source>
        <translation>Carattere</translation>
    </message>
</context>
<context>
    <name>CMyPropertyPage</name>
    <message>
        <source>Play Sound</source>
        <translation>Riproduci suono</translation>
    </message>
    <message>
        <source>Record Sound</source>
        <translation>Registra suono</translation>
    </message>
    <message>
        <source>Change Font</source>
        <translation>Cambia carattere</translation>
    </message>
    <message>
        <source>Add New Word</source>
        <translation>Aggiungi una parola</translation>
    </message>
    <message>
        <source>Delete Word</source>
        <translation>Elimina la parola</translation>
    </message>
    <message>
        <source>Recording stopped: nothing was changed.</source>
        <translation>Registrazione interrotta: non è cambiato nulla.</translation>
    </message>
    <message>
        <source>Recording “%1”: speak now, %2 s left</source>
        <translation>Registrazione di «%1»: parla ora, mancano %2 s</translation>
    </message>
    <message>
        <source>The sound could not be recorded.</source>
        <translation>Non è stato possibile registrare il suono.</translation>
    </message>
    <message>
        <source>“%1” keeps its earlier recording. %2</source>
        <translation>«%1» mantiene la registrazione precedente. %2</translation>
    </message>
    <message>
        <source>“%1” was not recorded: %2</source>
        <translation>«%1» non è stato registrato: %2</translation>
    </message>
</context>
<context>
    <name>CPommelotApp</name>
    <message>
        <source>Making the starter voice in %1: %2 of %3 ready. Until then your own recordings or the English starter voice are heard.</source>
        <translation>Creazione della voce iniziale in %1: %2 di %3 pronte. Nel frattempo si sentono le tue registrazioni o la voce iniziale inglese.</translation>
    </message>
    <message>
        <source>The starter voice in %1 could not be made for %2 of %3 items (its voice files are missing or damaged): they are heard in English.</source>
        <translation>Non è stato possibile creare la voce iniziale in %1 per %2 di %3 elementi (i file della voce mancano o sono danneggiati): si sentono in inglese.</translation>
    </message>
</context>
<context>
    <name>CScreenSaverInhibitor</name>
    <message>
        <source>screen kept on</source>
        <translation>schermo tenuto acceso</translation>
    </message>
    <message>
        <source>A child is playing</source>
        <translation>Un bambino sta giocando</translation>
    </message>
    <message>
        <source>no screen saver service on the session bus</source>
        <translation>nessun servizio salvaschermo sul bus di sessione</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>A&amp;pplica</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Lettere</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Numeri</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Colori</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>Forme</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Parole</translation>
    </message>
    <message>
        <source>Math</source>
        <translation>Conti</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Uccellino</translation>
    </message>
</context>
<context>
    <name>CSleepKeysInhibitor</name>
    <message>
        <source>sleep keys held</source>
        <translation>tasti di sospensione trattenuti</translation>
    </message>
    <message>
        <source>A child is playing</source>
        <translation>Un bambino sta giocando</translation>
    </message>
    <message>
        <source>no logind</source>
        <translation>nessun logind</translation>
    </message>
    <message>
        <source>logind gave no inhibitor</source>
        <translation>logind non ha dato alcun inibitore</translation>
    </message>
</context>
<context>
    <name>CSpinButton</name>
    <message>
        <source>Previous</source>
        <translation>Precedente</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Successivo</translation>
    </message>
</context>
<context>
    <name>CWaylandIdleInhibitor</name>
    <message>
        <source>screen kept on</source>
        <translation>schermo tenuto acceso</translation>
    </message>
    <message>
        <source>the compositor has no idle inhibiting</source>
        <translation>il compositor non può impedire l&apos;inattività</translation>
    </message>
</context>
<context>
    <name>CWaylandPointerConfinement</name>
    <message>
        <source>the compositor cannot keep the pointer in</source>
        <translation>il compositor non può trattenere il puntatore</translation>
    </message>
    <message>
        <source>the window is not shown yet</source>
        <translation>la finestra non è ancora visibile</translation>
    </message>
    <message>
        <source>the desktop has no pointer</source>
        <translation>il desktop non ha un puntatore</translation>
    </message>
    <message>
        <source>asked the compositor, no answer yet</source>
        <translation>chiesto al compositor, ancora nessuna risposta</translation>
    </message>
    <message>
        <source>the desktop let the pointer go</source>
        <translation>il desktop ha rilasciato il puntatore</translation>
    </message>
</context>
<context>
    <name>CWaylandShortcutsInhibitor</name>
    <message>
        <source>compositor shortcuts held</source>
        <translation>scorciatoie del compositor bloccate</translation>
    </message>
    <message>
        <source>the compositor does not allow shortcut inhibiting</source>
        <translation>il compositor non consente di bloccare le scorciatoie</translation>
    </message>
    <message>
        <source>the window is not shown yet</source>
        <translation>la finestra non è ancora visibile</translation>
    </message>
    <message>
        <source>asked the compositor, no answer yet</source>
        <translation>chiesto al compositor, ancora nessuna risposta</translation>
    </message>
    <message>
        <source>the desktop lifted the shortcut inhibitor</source>
        <translation>il desktop ha tolto il blocco delle scorciatoie</translation>
    </message>
</context>
<context>
    <name>CWordsPropPg</name>
    <message>
        <source>That entry is already in the list.</source>
        <translation>Questa voce è già nell&apos;elenco.</translation>
    </message>
</context>
<context>
    <name>CX11ScreenSaver</name>
    <message>
        <source>screen kept on</source>
        <translation>schermo tenuto acceso</translation>
    </message>
    <message>
        <source>the X server has no screen saver extension</source>
        <translation>il server X non ha l&apos;estensione salvaschermo</translation>
    </message>
    <message>
        <source>the X server refused</source>
        <translation>il server X ha rifiutato</translation>
    </message>
</context>
<context>
    <name>CX11ServerKeys</name>
    <message>
        <source>VT switching off</source>
        <translation>cambio di console disattivato</translation>
    </message>
    <message>
        <source>the server&apos;s keyboard map cannot be read</source>
        <translation>la mappa della tastiera del server non è leggibile</translation>
    </message>
    <message>
        <source>the server refused the keyboard map</source>
        <translation>il server ha rifiutato la mappa della tastiera</translation>
    </message>
</context>
<context>
    <name>GeneralPage</name>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>&amp;Enable Audio</source>
        <translation>&amp;Attiva l&apos;audio</translation>
    </message>
    <message>
        <source>&amp;Lock Keyboard</source>
        <translation>&amp;Blocca la tastiera</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Carattere</translation>
    </message>
    <message>
        <source>Reverse word &amp;Order (Circle-Red instead of Red-Circle)</source>
        <translation>Inverti l&apos;&amp;ordine (Cerchio-Rosso invece di Rosso-Cerchio)</translation>
    </message>
    <message>
        <source>Delay Sound by:</source>
        <translation>Ritarda il suono di:</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondi</translation>
    </message>
    <message>
        <source>&amp;Randomize Words</source>
        <translation>Parole in ordine &amp;casuale</translation>
    </message>
    <message>
        <source>Lan&amp;guage:</source>
        <translation>Lin&amp;gua:</translation>
    </message>
    <message>
        <source>Start the word lists &amp;anew from this language&apos;s starter words</source>
        <translation>Ricominciare gli elenchi di parole dalle parole i&amp;niziali di questa lingua</translation>
    </message>
    <message>
        <source>Full &amp;Screen</source>
        <translation>&amp;Schermo intero</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
</context>
<context>
    <name>RecordItemsPage</name>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>&amp;Recording sound for:</source>
        <translation>&amp;Registra il suono di:</translation>
    </message>
    <message>
        <source>Choose the item</source>
        <translation>Scegli l&apos;elemento</translation>
    </message>
    <message>
        <source>Input level</source>
        <translation>Livello di ingresso</translation>
    </message>
</context>
<context>
    <name>Vocabulary</name>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Arancione</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>Indaco</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Viola</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cerchio</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadrato</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triangolo</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rettangolo</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Rombo</translation>
    </message>
    <message>
        <source>Pentagon</source>
        <translation>Pentagono</translation>
    </message>
    <message>
        <source>Hexagon</source>
        <translation>Esagono</translation>
    </message>
    <message>
        <source>Octagon</source>
        <translation>Ottagono</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stella</translation>
    </message>
    <message>
        <source>Trapezoid</source>
        <translation>Trapezio</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>più</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>meno</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>uguale</translation>
    </message>
</context>
<context>
    <name>WordList</name>
    <message>
        <source>Word list is empty.</source>
        <translation>L&apos;elenco di parole è vuoto.</translation>
    </message>
</context>
<context>
    <name>WordsPage</name>
    <message>
        <source>Words</source>
        <translation>Parole</translation>
    </message>
    <message>
        <source>&amp;Word List</source>
        <translation>&amp;Elenco di parole</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>&amp;Recording sound for:</source>
        <translation>&amp;Registra il suono di:</translation>
    </message>
    <message>
        <source>Choose the item</source>
        <translation>Scegli l&apos;elemento</translation>
    </message>
    <message>
        <source>Input level</source>
        <translation>Livello di ingresso</translation>
    </message>
</context>
<context>
    <name>CPommelotDoc</name>
    <message>
        <source>Untitled</source>
        <translation>Senza titolo</translation>
    </message>
</context>
</TS>
