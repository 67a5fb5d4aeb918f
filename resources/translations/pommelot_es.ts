<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AddWordDlg</name>
    <message>
        <source>Add Word</source>
        <translation>Añadir palabra</translation>
    </message>
    <message>
        <source>Enter new Word:</source>
        <translation>Escribe una palabra nueva:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Pommelot</source>
        <translation>Acerca de Pommelot</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Pommelot %1&lt;/h2&gt;&lt;p&gt;A keyboard play program for toddlers: every key press shows the next shape, letter, number, word or sum, large and in colour, and speaks it in your own voice.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Credits&lt;/b&gt;&lt;br&gt;Program, pictures and the green bird: the Pommelot developers.&lt;br&gt;Starter voice: made with eSpeak NG.&lt;br&gt;Built with Qt, SDL and libsndfile.&lt;/p&gt;&lt;p&gt;Record your own voice in Settings; it always takes the place of the starter voice.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Pommelot %1&lt;/h2&gt;&lt;p&gt;Un juego de teclado para los más pequeños: cada tecla muestra la siguiente forma, letra, número, palabra o suma, grande y en color, y la dice con tu propia voz.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Créditos&lt;/b&gt;&lt;br&gt;Programa, dibujos y el pájaro verde: los desarrolladores de Pommelot.&lt;br&gt;Voz inicial: hecha con eSpeak NG.&lt;br&gt;Hecho con Qt, SDL y libsndfile.&lt;/p&gt;&lt;p&gt;Graba tu propia voz en Ajustes; siempre ocupa el lugar de la voz inicial.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>CAddWordDlg</name>
    <message>
        <source>A word cannot contain / or \, and cannot be &quot;.&quot; or &quot;..&quot; alone. Please type another word.</source>
        <translation>Una palabra no puede contener / ni \, ni ser solo &quot;.&quot; o &quot;..&quot;. Escribe otra palabra.</translation>
    </message>
</context>
<context>
    <name>CAudioManager</name>
    <message>
        <source>Another recording is already running.</source>
        <translation>Ya hay otra grabación en curso.</translation>
    </message>
    <message>
        <source>The recording could not be saved.</source>
        <translation>No se pudo guardar la grabación.</translation>
    </message>
    <message>
        <source>No sound came from the microphone.</source>
        <translation>No llegó ningún sonido del micrófono.</translation>
    </message>
</context>
<context>
    <name>CDocumentFileDialog</name>
    <message>
        <source>Save As - click Save to confirm</source>
        <translation>Guardar como: pulsa Guardar para confirmar</translation>
    </message>
    <message>
        <source>Open - click Open to confirm</source>
        <translation>Abrir: pulsa Abrir para confirmar</translation>
    </message>
</context>
<context>
    <name>CGeneralPropPg</name>
    <message>
        <source>Covers every screen. To leave, hold %1 for three seconds.</source>
        <translation>Cubre todas las pantallas. Para salir, mantén %1 durante tres segundos.</translation>
    </message>
</context>
<context>
    <name>CKeyboardLock</name>
    <message>
        <source>another program holds the keyboard</source>
        <translation>otro programa tiene el teclado</translation>
    </message>
    <message>
        <source>the window cannot take the keyboard yet</source>
        <translation>la ventana aún no puede tomar el teclado</translation>
    </message>
    <message>
        <source>keyboard grab</source>
        <translation>teclado capturado</translation>
    </message>
</context>
<context>
    <name>CLeaveRing</name>
    <message>
        <source>Keep holding %1 to leave full screen</source>
        <translation>Sigue manteniendo %1 para salir de la pantalla completa</translation>
    </message>
</context>
<context>
    <name>CLockNotice</name>
    <message>
        <source>%1.
If your desktop asks whether Pommelot may inhibit shortcuts, choose Allow: that keeps a child&apos;s key presses inside Pommelot.</source>
        <translation>%1.
Si tu escritorio pregunta si Pommelot puede inhibir los atajos, elige Permitir: así las teclas del niño se quedan dentro de Pommelot.</translation>
    </message>
    <message>
        <source>%1.
A child&apos;s key presses may reach the desktop while Pommelot is in front: stay close.</source>
        <translation>%1.
Las teclas del niño pueden llegar al escritorio mientras Pommelot está delante: quédate cerca.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>CLockStatus</name>
    <message>
        <source>Keyboard lock: </source>
        <translation>Bloqueo del teclado: </translation>
    </message>
    <message>
        <source>not available on this desktop (no keyboard lock on this platform)</source>
        <translation>no disponible en este escritorio (no hay bloqueo de teclado en esta plataforma)</translation>
    </message>
    <message>
        <source>; pointer not held on this desktop (%1)</source>
        <translation>; puntero no retenido en este escritorio (%1)</translation>
    </message>
    <message>
        <source>; pointer not held (%1)</source>
        <translation>; puntero no retenido (%1)</translation>
    </message>
    <message>
        <source>on (%1)</source>
        <translation>activo (%1)</translation>
    </message>
    <message>
        <source>paused (in play: %1)</source>
        <translation>en pausa (al jugar: %1)</translation>
    </message>
    <message>
        <source>not available on this desktop (%1)</source>
        <translation>no disponible en este escritorio (%1)</translation>
    </message>
    <message>
        <source>not holding (%1)</source>
        <translation>no retiene (%1)</translation>
    </message>
    <message>
        <source>waiting (%1)</source>
        <translation>esperando (%1)</translation>
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
        <translation>Letras</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Números</translation>
    </message>
    <message>
        <source>Shapes and Colors</source>
        <translation>Formas y colores</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Palabras</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Resta</translation>
    </message>
    <message>
        <source>Talking Bird</source>
        <translation>Pájaro que habla</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>About Pommelot and its credits</source>
        <translation>Acerca de Pommelot y créditos</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already holds data. A Pommelot document holds none, so the file was left as it is.</source>
        <translation>&quot;%1&quot; ya contiene datos. Un documento de Pommelot no contiene ninguno, así que el archivo se ha dejado como estaba.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be created.</source>
        <translation>No se pudo crear &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>CMyFontDlg</name>
    <message>
        <source>Font</source>
        <translation>Letra</translation>
    </message>
</context>
<context>
    <name>CMyPropertyPage</name>
    <message>
        <source>Play Sound</source>
        <translation>Reproducir sonido</translation>
    </message>
    <message>
        <source>Record Sound</source>
        <translation>Grabar sonido</translation>
    </message>
    <message>
        <source>Change Font</source>
        <translation>Cambiar la letra</translation>
    </message>
    <message>
        <source>Add New Word</source>
        <translation>Añadir una palabra</translation>
    </message>
    <message>
        <source>Delete Word</source>
        <translation>Borrar la palabra</translation>
    </message>
    <message>
        <source>Recording stopped: nothing was changed.</source>
        <translation>Grabación detenida: no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Recording “%1”: speak now, %2 s left</source>
        <translation>Grabando «%1»: habla ahora, quedan %2 s</translation>
    </message>
    <message>
        <source>The sound could not be recorded.</source>
        <translation>No se pudo grabar el sonido.</translation>
    </message>
    <message>
        <source>“%1” keeps its earlier recording. %2</source>
        <translation>«%1» conserva su grabación anterior. %2</translation>
    </message>
    <message>
        <source>“%1” was not recorded: %2</source>
        <translation>«%1» no se ha grabado: %2</translation>
    </message>
</context>
<context>
    <name>CPommelotApp</name>
    <message>
        <source>Making the starter voice in %1: %2 of %3 ready. Until then your own recordings or the English starter voice are heard.</source>
        <translation>Creando la voz inicial en %1: %2 de %3 listas. Mientras tanto se oyen tus grabaciones o la voz inicial en inglés.</translation>
    </message>
    <message>
        <source>The starter voice in %1 could not be made for %2 of %3 items (its voice files are missing or damaged): they are heard in English.</source>
        <translation>No se pudo crear la voz inicial en %1 para %2 de %3 elementos (faltan sus archivos de voz o están dañados): se oyen en inglés.</translation>
    </message>
</context>
<context>
    <name>CScreenSaverInhibitor</name>
    <message>
        <source>screen kept on</source>
        <translation>pantalla siempre encendida</translation>
    </message>
    <message>
        <source>A child is playing</source>
        <translation>Un niño está jugando</translation>
    </message>
    <message>
        <source>no screen saver service on the session bus</source>
        <translation>no hay servicio de salvapantallas en el bus de sesión</translation>
    </message>
</context>
<context>
    <name>CSettingsPropSheet</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>A&amp;plicar</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Letras</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Números</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>Formas</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Palabras</translation>
    </message>
    <message>
        <source>Math</source>
        <translation>Cuentas</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Pájaro</translation>
    </message>
</context>
<context>
    <name>CSleepKeysInhibitor</name>
    <message>
        <source>sleep keys held</source>
        <translation>teclas de suspensión retenidas</translation>
    </message>
    <message>
        <source>A child is playing</source>
        <translation>Un niño está jugando</translation>
    </message>
    <message>
        <source>no logind</source>
        <translation>sin logind</translation>
    </message>
    <message>
        <source>logind gave no inhibitor</source>
        <translation>logind no dio ningún inhibidor</translation>
    </message>
</context>
<context>
    <name>CSpinButton</name>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
</context>
<context>
    <name>CWaylandIdleInhibitor</name>
    <message>
        <source>screen kept on</source>
        <translation>pantalla siempre encendida</translation>
    </message>
    <message>
        <source>the compositor has no idle inhibiting</source>
        <translation>el compositor no puede impedir la inactividad</translation>
    </message>
</context>
<context>
    <name>CWaylandPointerConfinement</name>
    <message>
        <source>the compositor cannot keep the pointer in</source>
        <translation>el compositor no puede retener el puntero</translation>
    </message>
    <message>
        <source>the window is not shown yet</source>
        <translation>la ventana aún no se muestra</translation>
    </message>
    <message>
        <source>the desktop has no pointer</source>
        <translation>el escritorio no tiene puntero</translation>
    </message>
    <message>
        <source>asked the compositor, no answer yet</source>
        <translation>se ha preguntado al compositor, aún sin respuesta</translation>
    </message>
    <message>
        <source>the desktop let the pointer go</source>
        <translation>el escritorio soltó el puntero</translation>
    </message>
</context>
<context>
    <name>CWaylandShortcutsInhibitor</name>
    <message>
        <source>compositor shortcuts held</source>
        <translation>atajos del compositor bloqueados</translation>
    </message>
    <message>
        <source>the compositor does not allow shortcut inhibiting</source>
        <translation>el compositor no permite inhibir los atajos</translation>
    </message>
    <message>
        <source>the window is not shown yet</source>
        <translation>la ventana aún no se muestra</translation>
    </message>
    <message>
        <source>asked the compositor, no answer yet</source>
        <translation>se ha preguntado al compositor, aún sin respuesta</translation>
    </message>
    <message>
        <source>the desktop lifted the shortcut inhibitor</source>
        <translation>el escritorio levantó el inhibidor de atajos</translation>
    </message>
</context>
<context>
    <name>CWordsPropPg</name>
    <message>
        <source>That entry is already in the list.</source>
        <translation>Esa palabra ya está en la lista.</translation>
    </message>
</context>
<context>
    <name>CX11ScreenSaver</name>
    <message>
        <source>screen kept on</source>
        <translation>pantalla siempre encendida</translation>
    </message>
    <message>
        <source>the X server has no screen saver extension</source>
        <translation>el servidor X no tiene la extensión de salvapantallas</translation>
    </message>
    <message>
        <source>the X server refused</source>
        <translation>el servidor X se negó</translation>
    </message>
</context>
<context>
    <name>CX11ServerKeys</name>
    <message>
        <source>VT switching off</source>
        <translation>cambio de consola desactivado</translation>
    </message>
    <message>
        <source>the server&apos;s keyboard map cannot be read</source>
        <translation>no se puede leer el mapa de teclado del servidor</translation>
    </message>
    <message>
        <source>the server refused the keyboard map</source>
        <translation>el servidor rechazó el mapa de teclado</translation>
    </message>
</context>
<context>
    <name>GeneralPage</name>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>&amp;Enable Audio</source>
        <translation>&amp;Activar el sonido</translation>
    </message>
    <message>
        <source>&amp;Lock Keyboard</source>
        <translation>&amp;Bloquear el teclado</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Letra</translation>
    </message>
    <message>
        <source>Reverse word &amp;Order (Circle-Red instead of Red-Circle)</source>
        <translation>Invertir el &amp;orden (Círculo-Rojo en vez de Rojo-Círculo)</translation>
    </message>
    <message>
        <source>Delay Sound by:</source>
        <translation>Retrasar el sonido:</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>&amp;Randomize Words</source>
        <translation>Palabras al a&amp;zar</translation>
    </message>
    <message>
        <source>Lan&amp;guage:</source>
        <translation>Id&amp;ioma:</translation>
    </message>
    <message>
        <source>Start the word lists &amp;anew from this language&apos;s starter words</source>
        <translation>Empezar las listas de pa&amp;labras con las palabras iniciales de este idioma</translation>
    </message>
    <message>
        <source>Full &amp;Screen</source>
        <translation>Pantalla &amp;completa</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
</context>
<context>
    <name>RecordItemsPage</name>
    <message>
        <source>Audio</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>&amp;Recording sound for:</source>
        <translation>&amp;Grabar el sonido de:</translation>
    </message>
    <message>
        <source>Choose the item</source>
        <translation>Elige el elemento</translation>
    </message>
    <message>
        <source>Input level</source>
        <translation>Nivel de entrada</translation>
    </message>
</context>
<context>
    <name>Vocabulary</name>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Naranja</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>Añil</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violeta</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Cuadrado</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triángulo</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectángulo</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Rombo</translation>
    </message>
    <message>
        <source>Pentagon</source>
        <translation>Pentágono</translation>
    </message>
    <message>
        <source>Hexagon</source>
        <translation>Hexágono</translation>
    </message>
    <message>
        <source>Octagon</source>
        <translation>Octógono</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Estrella</translation>
    </message>
    <message>
        <source>Trapezoid</source>
        <translation>Trapecio</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>más</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>igual</translation>
    </message>
</context>
<context>
    <name>WordList</name>
    <message>
        <source>Word list is empty.</source>
        <translation>La lista de palabras está vacía.</translation>
    </message>
</context>
<context>
    <name>WordsPage</name>
    <message>
        <source>Words</source>
        <translation>Palabras</translation>
    </message>
    <message>
        <source>&amp;Word List</source>
        <translation>&amp;Lista de palabras</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>&amp;Recording sound for:</source>
        <translation>&amp;Grabar el sonido de:</translation>
    </message>
    <message>
        <source>Choose the item</source>
        <translation>Elige el elemento</translation>
    </message>
    <message>
        <source>Input level</source>
        <translation>Nivel de entrada</translation>
    </message>
</context>
<context>
    <name>CPommelotDoc</name>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
</context>
</TS>
