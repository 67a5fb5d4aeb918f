<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AddWordDlg</name>
    <message>
        <source>Add Word</source>
        <translation>Ajouter un mot</translation>
    </message>
    <message>
        <source>Enter new Word:</source>
        <translation>Nouveau mot :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Pommelot</source>
        <translation>À propos de Pommelot</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Pommelot %1&lt;/h2&gt;&lt;p&gt;A keyboard play program for toddlers: every key press shows the next shape, letter, number, word or sum, large and in colour, and speaks it in your own voice.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Credits&lt;/b&gt;&lt;br&gt;Program, pictures and the green bird: the Pommelot developers.&lt;br&gt;Starter voice: made with eSpeak NG.&lt;br&gt;Built with Qt, SDL and libsndfile.&lt;/p&gt;&lt;p&gt;Record your own voice in Settings; it always takes the place of the starter voice.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Pommelot %1&lt;/h2&gt;&lt;p&gt;Un jeu de clavier pour les tout-petits : chaque touche montre la forme, la lettre, le nombre, le mot ou le calcul suivant, en grand et en couleur, et le prononce avec votre propre voix.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Crédits&lt;/b&gt;&lt;br&gt;Programme, images et l&apos;oiseau vert : les développeurs de Pommelot.&lt;br&gt;Voix de départ : faite avec eSpeak NG.&lt;br&gt;Construit avec Qt, SDL et libsndfile.&lt;/p&gt;&lt;p&gt;Enregistrez votre propre voix dans les Réglages ; elle remplace toujours la voix de départ.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>CAddWordDlg</name>
    <message>
        <source>A word cannot contain / or \, and cannot be &quot;.&quot; or &quot;..&quot; alone. Please type another word.</source>
        <translation>Un mot ne peut contenir ni / ni \, ni être &quot;.&quot; ou &quot;..&quot; seul. Tapez un autre mot.</translation>
    </message>
</context>
<context>
    <name>CAudioManager</name>
    <message>
        <source>Another recording is already running.</source>
        <translation>Un autre enregistrement est déjà en cours.</translation>
    </message>
    <message>
        <source>The recording could not be saved.</source>
        <translation>L&apos;enregistrement n&apos;a pas pu être sauvegardé.</translation>
    </message>
    <message>
        <source>No sound came from the microphone.</source>
        <translation>Aucun son n&apos;est venu du micro.</translation>
    </message>
</context>
<context>
    <name>CDocumentFileDialog</name>
    <message>
        <source>Save As - click Save to confirm</source>
        <translation>Enregistrer sous – cliquez sur Enregistrer pour confirmer</translation>
    </message>
    <message>
        <source>Open - click Open to confirm</source>
        <translation>Ouvrir – cliquez sur Ouvrir pour confirmer</translation>
    </message>
</context>
<context>
    <name>CGeneralPropPg</name>
    <message>
        <source>Covers every screen. To leave, hold %1 for three seconds.</source>
        <translation>Couvre tous les écrans. Pour quitter, maintenez %1 pendant trois secondes.</translation>
    </message>
</context>
<context>
    <name>CKeyboardLock</name>
    <message>
        <source>another program holds the keyboard</source>
        <translation>un autre programme tient le clavier</translation>
    </message>
    <message>
        <source>the window cannot take the keyboard yet</source>
        <translation>la fenêtre ne peut pas encore prendre le clavier</translation>
    </message>
    <message>
        <source>keyboard grab</source>
        <translation>clavier capturé</translation>
    </message>
</context>
<context>
    <name>CLeaveRing</name>
    <message>
        <source>Keep holding %1 to leave full screen</source>
        <translation>Maintenez %1 pour quitter le plein écran</translation>
    </message>
</context>
<context>
    <name>CLockNotice</name>
    <message>
        <source>%1.
If your desktop asks whether Pommelot may inhibit shortcuts, choose Allow: that keeps a child&apos;s key presses inside Pommelot.</source>
        <translation>%1.
Si votre bureau demande si Pommelot peut bloquer les raccourcis, choisissez Autoriser : les touches de l&apos;enfant restent ainsi dans Pommelot.</translation>
    </message>
    <message>
        <source>%1.
A child&apos;s key presses may reach the desktop while Pommelot is in front: stay close.</source>
        <translation>%1.
Les touches de l&apos;enfant peuvent atteindre le bureau pendant que Pommelot est au premier plan : restez à proximité.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>CLockStatus</name>
    <message>
        <source>Keyboard lock: </source>
        <translation>Verrouillage du clavier : </translation>
    </message>
    <message>
        <source>not available on this desktop (no keyboard lock on this platform)</source>
        <translation>indisponible sur ce bureau (pas de verrouillage du clavier sur cette plateforme)</translation>
    </message>
    <message>
        <source>; pointer not held on this desktop (%1)</source>
        <translation>; pointeur non retenu sur ce bureau (%1)</translation>
    </message>
    <message>
        <source>; pointer not held (%1)</source>
        <translation>; pointeur non retenu (%1)</translation>
    </message>
    <message>
        <source>on (%1)</source>
        <translation>actif (%1)</translation>
    </message>
    <message>
        <source>paused (in play: %1)</source>
        <translation>en pause (en jeu : %1)</translation>
    </message>
    <message>
        <source>not available on this desktop (%1)</source>
        <translation>indisponible sur ce bureau (%1)</translation>
    </message>
    <message>
        <source>not holding (%1)</source>
        <translation>ne tient pas (%1)</translation>
    </message>
    <message>
        <source>waiting (%1)</source>
        <translation>en attente (%1)</translation>
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
        <translation>Lettres</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Nombres</translation>
    </message>
    <message>
        <source>Shapes and Colors</source>
        <translation>Formes et couleurs</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Mots</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Soustraction</translation>
    </message>
    <message>
        <source>Talking Bird</source>
        <translation>Oiseau qui parle</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>About Pommelot and its credits</source>
        <translation>À propos de Pommelot et crédits</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already holds data. A Pommelot document holds none, so the file was left as it is.</source>
        <translation>« %1 » contient déjà des données. Un document Pommelot n&apos;en contient aucune, le fichier est donc resté tel quel.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be created.</source>
        <translation>« %1 » n&apos;a pas pu être créé.</translation>
    </message>
</context>
<context>
    <name>CMyFontDlg</name>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
</context>
<context>
    <name>CMyPropertyPage</name>
    <message>
        <source>Play Sound</source>
        <translation>Écouter le son</translation>
    </message>
    <message>
        <source>Record Sound</source>
        <translation>Enregistrer le son</translation>
    </message>
    <message>
        <source>Change Font</source>
        <translation>Changer la police</translation>
    </message>
    <message>
        <source>Add New Word</source>
        <translation>Ajouter un mot</translation>
    </message>
    <message>
        <source>Delete Word</source>
        <translation>Supprimer le mot</translation>
    </message>
    <message>
        <source>Recording stopped: nothing was changed.</source>
        <translation>Enregistrement arrêté : rien n&apos;a changé.</translation>
    </message>
    <message>
        <source>Recording “%1”: speak now, %2 s left</source>
        <translation>Enregistrement « %1 » : parlez maintenant, encore %2 s</translation>
    </message>
    <message>
        <source>The sound could not be recorded.</source>
        <translation>Le son n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>“%1” keeps its earlier recording. %2</source>
        <translation>« %1 » garde son enregistrement précédent. %2</translation>
    </message>
    <message>
        <source>“%1” was not recorded: %2</source>
        <translation>« %1 » n&apos;a pas été enregistré : %2</translation>
    </message>
</context>
<context>
    <name>CPommelotApp</name>
    <message>
        <source>Making the starter voice in %1: %2 of %3 ready. Until then your own recordings or the English starter voice are heard.</source>
        <translation>Création de la voix de départ en %1 : %2 sur %3 prêts. En attendant, vos enregistrements ou la voix de départ anglaise sont entendus.</translation>
    </message>
    <message>
        <source>The starter voice in %1 could not be made for %2 of %3 items (its voice files are missing or damaged): they are heard in English.</source>
        <translation>La voix de départ en %1 n&apos;a pas pu être créée pour %2 éléments sur %3 (ses fichiers de voix manquent ou sont abîmés) : ils sont entendus en anglais.</translation>
    </message>
</context>
<context>
    <name>CScreenSaverInhibitor</name>
    <message>
        <source>screen kept on</source>
        <translation>écran maintenu allumé</translation>
    </message>
    <message>
        <source>A child is playing</source>
        <translation>Un enfant joue</translation>
    </message>
    <message>
        <source>no screen saver service on the session bus</source>
        <translation>pas de service économiseur d&apos;écran sur le bus de session</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Appliquer</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Lettres</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Nombres</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>Formes</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Mots</translation>
    </message>
    <message>
        <source>Math</source>
        <translation>Calcul</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Oiseau</translation>
    </message>
</context>
<context>
    <name>CSleepKeysInhibitor</name>
    <message>
        <source>sleep keys held</source>
        <translation>touches de veille retenues</translation>
    </message>
    <message>
        <source>A child is playing</source>
        <translation>Un enfant joue</translation>
    </message>
    <message>
        <source>no logind</source>
        <translation>pas de logind</translation>
    </message>
    <message>
        <source>logind gave no inhibitor</source>
        <translation>logind n&apos;a donné aucun inhibiteur</translation>
    </message>
</context>
<context>
    <name>CSpinButton</name>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
</context>
<context>
    <name>CWaylandIdleInhibitor</name>
    <message>
        <source>screen kept on</source>
        <translation>écran maintenu allumé</translation>
    </message>
    <message>
        <source>the compositor has no idle inhibiting</source>
        <translation>le compositeur ne sait pas empêcher la mise en veille</translation>
    </message>
</context>
<context>
    <name>CWaylandPointerConfinement</name>
    <message>
        <source>the compositor cannot keep the pointer in</source>
        <translation>le compositeur ne peut pas retenir le pointeur</translation>
    </message>
    <message>
        <source>the window is not shown yet</source>
        <translation>la fenêtre n&apos;est pas encore affichée</translation>
    </message>
    <message>
        <source>the desktop has no pointer</source>
        <translation>le bureau n&apos;a pas de pointeur</translation>
    </message>
    <message>
        <source>asked the compositor, no answer yet</source>
        <translation>compositeur interrogé, pas encore de réponse</translation>
    </message>
    <message>
        <source>the desktop let the pointer go</source>
        <translation>le bureau a relâché le pointeur</translation>
    </message>
</context>
<context>
    <name>CWaylandShortcutsInhibitor</name>
    <message>
        <source>compositor shortcuts held</source>
        <translation>raccourcis du compositeur bloqués</translation>
    </message>
    <message>
        <source>the compositor does not allow shortcut inhibiting</source>
        <translation>le compositeur ne permet pas de bloquer les raccourcis</translation>
    </message>
    <message>
        <source>the window is not shown yet</source>
        <translation>la fenêtre n&apos;est pas encore affichée</translation>
    </message>
    <message>
        <source>asked the compositor, no answer yet</source>
        <translation>compositeur interrogé, pas encore de réponse</translation>
    </message>
    <message>
        <source>the desktop lifted the shortcut inhibitor</source>
        <translation>le bureau a levé le blocage des raccourcis</translation>
    </message>
</context>
<context>
    <name>CWordsPropPg</name>
    <message>
        <source>That entry is already in the list.</source>
        <translation>Ce mot est déjà dans la liste.</translation>
    </message>
</context>
<context>
    <name>CX11ScreenSaver</name>
    <message>
        <source>screen kept on</source>
        <translation>écran maintenu allumé</translation>
    </message>
    <message>
        <source>the X server has no screen saver extension</source>
        <translation>le serveur X n&apos;a pas l&apos;extension d&apos;économiseur d&apos;écran</translation>
    </message>
    <message>
        <source>the X server refused</source>
        <translation>le serveur X a refusé</translation>
    </message>
</context>
<context>
    <name>CX11ServerKeys</name>
    <message>
        <source>VT switching off</source>
        <translation>changement de console désactivé</translation>
    </message>
    <message>
        <source>the server&apos;s keyboard map cannot be read</source>
        <translation>la disposition du clavier du serveur est illisible</translation>
    </message>
    <message>
        <source>the server refused the keyboard map</source>
        <translation>le serveur a refusé la disposition du clavier</translation>
    </message>
</context>
<context>
    <name>GeneralPage</name>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>&amp;Enable Audio</source>
        <translation>&amp;Activer le son</translation>
    </message>
    <message>
        <source>&amp;Lock Keyboard</source>
        <translation>&amp;Verrouiller le clavier</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Police</translation>
    </message>
    <message>
        <source>Reverse word &amp;Order (Circle-Red instead of Red-Circle)</source>
        <translation>&amp;Inverser l&apos;ordre des mots (Cercle-Rouge au lieu de Rouge-Cercle)</translation>
    </message>
    <message>
        <source>Delay Sound by:</source>
        <translation>Retarder le son de :</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>&amp;Randomize Words</source>
        <translation>Mots au &amp;hasard</translation>
    </message>
    <message>
        <source>Lan&amp;guage:</source>
        <translation>Lan&amp;gue :</translation>
    </message>
    <message>
        <source>Start the word lists &amp;anew from this language&apos;s starter words</source>
        <translation>Recommencer les listes de mots avec les mots de dé&amp;part de cette langue</translation>
    </message>
    <message>
        <source>Full &amp;Screen</source>
        <translation>Plein é&amp;cran</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
</context>
<context>
    <name>RecordItemsPage</name>
    <message>
        <source>Audio</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>&amp;Recording sound for:</source>
        <translation>&amp;Enregistrer le son de :</translation>
    </message>
    <message>
        <source>Choose the item</source>
        <translation>Choisir l&apos;élément</translation>
    </message>
    <message>
        <source>Input level</source>
        <translation>Niveau d&apos;entrée</translation>
    </message>
</context>
<context>
    <name>Vocabulary</name>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
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
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triangle</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Losange</translation>
    </message>
    <message>
        <source>Pentagon</source>
        <translation>Pentagone</translation>
    </message>
    <message>
        <source>Hexagon</source>
        <translation>Hexagone</translation>
    </message>
    <message>
        <source>Octagon</source>
        <translation>Octogone</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Étoile</translation>
    </message>
    <message>
        <source>Trapezoid</source>
        <translation>Trapèze</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>moins</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>égale</translation>
    </message>
</context>
<context>
    <name>WordList</name>
    <message>
        <source>Word list is empty.</source>
        <translation>La liste de mots est vide.</translation>
    </message>
</context>
<context>
    <name>WordsPage</name>
    <message>
        <source>Words</source>
        <translation>Mots</translation>
    </message>
    <message>
        <source>&amp;Word List</source>
        <translation>&amp;Liste de mots</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>&amp;Recording sound for:</source>
        <translation>&amp;Enregistrer le son de :</translation>
    </message>
    <message>
        <source>Choose the item</source>
        <translation>Choisir l&apos;élément</translation>
    </message>
    <message>
        <source>Input level</source>
        <translation>Niveau d&apos;entrée</translation>
    </message>
</context>
<context>
    <name>CPommelotDoc</name>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
</context>
</TS>
