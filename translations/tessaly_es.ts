<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <location filename="../src/options_window/AboutBox.cpp" line="+41"/>
        <location line="+1"/>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Tessaly  Version </source>
        <translation>Tessaly  versión </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Written by:</source>
        <translation>Escrito por:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Homepage:</source>
        <translation>Página web:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tessaly is free software: you may share and change it under the GNU General Public License, version 3 or later.</source>
        <translation>Tessaly es software libre: puede compartirlo y modificarlo según los términos de la Licencia Pública General de GNU, versión 3 o posterior.</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+2"/>
        <source>License agreement:</source>
        <translation>Contrato de licencia:</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+1"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>AdvancedPage</name>
    <message>
        <location filename="../src/options_window/AdvancedPage.cpp" line="+17"/>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Delay automatic wallpaper changing if screen saver is running or the computer is locked.</source>
        <translation>Aplazar el cambio automático del fondo si el protector de pantalla está activo o el equipo está bloqueado.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Delay automatic wallpaper changing if the cpu usage is equal or above :</source>
        <translation>Aplazar el cambio automático del fondo si el uso de la CPU es igual o superior a:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>CPU usage limit in percent</source>
        <translation>Límite de uso de la CPU en porcentaje</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Change the CPU usage limit by one</source>
        <translation>Cambiar el límite de uso de la CPU en uno</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Prepare the next wallpaper in advance</source>
        <translation>Preparar el siguiente fondo de antemano</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The next picture is made ready while the computer is idle, so that the change is almost instant. It holds memory for one screen-sized picture, and waits while the computer runs on battery.</source>
        <translation>La siguiente imagen se prepara mientras el equipo está inactivo, para que el cambio sea casi instantáneo. Ocupa la memoria de una imagen del tamaño de la pantalla y espera mientras el equipo funciona con batería.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Clock and calendar transparency :</source>
        <translation>Transparencia del reloj y del calendario:</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Opaque</source>
        <translation>Opaco</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Transparent</source>
        <translation>Transparente</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No compositing manager is running, so the clock and calendar cannot be translucent: they show opaque (at the right end, not at all) until one runs.</source>
        <translation>No hay ningún gestor de composición en ejecución, así que el reloj y el calendario no pueden ser translúcidos: se muestran opacos (en el extremo derecho, no se muestran) hasta que se inicie uno.</translation>
    </message>
    <message>
        <location line="+84"/>
        <source>The CPU limit &quot;%1&quot; is not a whole number from 0 to 100; it stays %2%.</source>
        <translation>El límite de CPU «%1» no es un número entero entre 0 y 100; se mantiene en %2 %.</translation>
    </message>
</context>
<context>
    <name>CalendarWidget</name>
    <message>
        <location filename="../src/widgets/CalendarWidget.cpp" line="+14"/>
        <location line="+1"/>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
</context>
<context>
    <name>Categories</name>
    <message>
        <location filename="../src/internet/Categories.cpp" line="+93"/>
        <source>the catalogue could not be written: %1</source>
        <translation>no se pudo escribir el catálogo: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the download failed</source>
        <translation>la descarga falló</translation>
    </message>
    <message>
        <location filename="../src/internet/Categories.h" line="+55"/>
        <source>Please refresh!</source>
        <translation>¡Actualice las categorías!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The internet categories could not be refreshed from %1: %2</source>
        <translation>No se pudieron actualizar las categorías de Internet desde %1: %2</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>CatCode</source>
        <translation>CatCode</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please enter the new CatCode.<byte value="xd"/>
Leave blank for default.</source>
        <translation>Escriba el nuevo CatCode.<byte value="xd"/>
Déjelo en blanco para usar el catálogo predeterminado.</translation>
    </message>
</context>
<context>
    <name>ClockWidget</name>
    <message>
        <location filename="../src/widgets/ClockWidget.cpp" line="+19"/>
        <location line="+1"/>
        <source>Clock</source>
        <translation>Reloj</translation>
    </message>
</context>
<context>
    <name>ColorsPage</name>
    <message>
        <location filename="../src/options_window/ColorsPage.cpp" line="+14"/>
        <source>%1%</source>
        <comment>a percentage, as in 100%</comment>
        <translation>%1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>ColorsPageWidget</name>
    <message>
        <location filename="../src/options_window/ColorsPageWidget.cpp" line="+18"/>
        <source>Wallpaper colors</source>
        <translation>Colores del fondo</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Brightness</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Gamma</source>
        <translation>Gamma</translation>
    </message>
    <message>
        <location line="+27"/>
        <location line="+2"/>
        <source>Invert colors</source>
        <translation>Invertir colores</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+4"/>
        <source>Reset</source>
        <comment>button: undo the colour changes</comment>
        <translation>Restablecer</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Example</source>
        <comment>preview pictures of the colour filters</comment>
        <translation>Ejemplo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Example before</source>
        <translation>Ejemplo: antes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Example after</source>
        <translation>Ejemplo: después</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+2"/>
        <source>Desktop color:</source>
        <translation>Color del escritorio:</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/shell/CommandLine.cpp" line="+65"/>
        <source>Usage: tessaly [OPTION]
Desktop wallpaper changer that lives in the notification area.

  /y              start as at log-on: no settings window; ends at once when
                  &quot;Start with the system&quot; is off
  --next          switch to the next wallpaper
  --previous      go back to the wallpaper shown before
  --clear         clear the wallpaper
  --toggle-timer  switch automatic wallpaper changing on or off
  --settings      open the settings window
  --quit          end the running Tessaly
  -h, --help      show this help
  --version       show the version

With Tessaly already running, the option is handed to it. Without an
option, Tessaly starts and opens its settings window; arguments that are
not options (not starting with &quot;-&quot;) are ignored.
</source>
        <translation>Uso: tessaly [OPCIÓN]
Cambia el fondo de escritorio desde el área de notificación.

  /y              arrancar como al iniciar la sesión: sin ventana de
                  configuración; termina enseguida si «Iniciar Tessaly con
                  el sistema» está desactivado
  --next          cambiar al siguiente fondo de pantalla
  --previous      volver al fondo de pantalla anterior
  --clear         quitar el fondo de pantalla
  --toggle-timer  activar o desactivar el cambio automático del fondo
  --settings      abrir la ventana de configuración
  --quit          cerrar el Tessaly que está en ejecución
  -h, --help      mostrar esta ayuda
  --version       mostrar la versión

Si Tessaly ya está en ejecución, se le pasa la opción. Sin ninguna opción,
Tessaly se inicia y abre su ventana de configuración; los argumentos que no
son opciones (que no empiezan por «-») se ignoran.
</translation>
    </message>
</context>
<context>
    <name>Compose</name>
    <message>
        <location filename="../src/compose/Compose.cpp" line="+183"/>
        <source>File not found: %1</source>
        <translation>No se encontró el archivo: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not a regular file.</source>
        <translation>%1 no es un archivo normal.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cannot open %1: %2</source>
        <translation>No se puede abrir %1: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The file %1 is too large for a picture.</source>
        <translation>El archivo %1 es demasiado grande para ser una imagen.</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The file %1 is empty.</source>
        <translation>El archivo %1 está vacío.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The picture %1 is too large to show: %2 x %3 pixels, over the limit of 64 million pixels.</source>
        <translation>La imagen %1 es demasiado grande para mostrarla: %2 x %3 píxeles, por encima del límite de 64 millones de píxeles.</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+6"/>
        <location line="+14"/>
        <location line="+56"/>
        <location line="+27"/>
        <source>Cannot load %1: %2</source>
        <translation>No se puede cargar %1: %2</translation>
    </message>
    <message>
        <location line="-90"/>
        <source>The metafile %1 is damaged: %2</source>
        <translation>El metarchivo %1 está dañado: %2</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>%1 is not a picture in a known format.</source>
        <translation>%1 no es una imagen en un formato conocido.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The picture %1 is too large (%2 x %3 pixels).</source>
        <translation>La imagen %1 es demasiado grande (%2 x %3 píxeles).</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+11"/>
        <source>The picture %1 is damaged or incomplete.</source>
        <translation>La imagen %1 está dañada o incompleta.</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>The picture %1 has no usable size.</source>
        <translation>La imagen %1 no tiene un tamaño utilizable.</translation>
    </message>
    <message>
        <location line="+242"/>
        <source>There is no picture to write.</source>
        <translation>No hay ninguna imagen que guardar.</translation>
    </message>
</context>
<context>
    <name>Countdown</name>
    <message>
        <location filename="../src/options_window/Countdown.cpp" line="+20"/>
        <source>Next wallpaper change at: %1 O&apos;Clock.</source>
        <translation>Próximo cambio de fondo a las %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Changing wallpaper now!</source>
        <translation>¡Cambiando el fondo ahora!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next wallpaper change is after: %1.</source>
        <translation>Próximo cambio de fondo en %1.</translation>
    </message>
</context>
<context>
    <name>DownloadCache</name>
    <message>
        <location filename="../src/internet/DownloadCache.cpp" line="+208"/>
        <source>Cache file size: %1 bytes</source>
        <translation>Tamaño del archivo de caché: %1 bytes</translation>
    </message>
    <message>
        <location filename="../src/internet/DownloadCache.h" line="+72"/>
        <source>Are you sure?</source>
        <translation>¿Está seguro?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clear cache</source>
        <translation>Vaciar la caché</translation>
    </message>
</context>
<context>
    <name>DownloadClient</name>
    <message>
        <location filename="../src/internet/DownloadClient.cpp" line="+184"/>
        <source>Downloading...</source>
        <translation>Descargando…</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Error %1: the download was abandoned at line: %2</source>
        <translation>Error %1: la descarga se abandonó en la línea %2</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Error %1: the proxy &quot;%2&quot; is not an address of the form host:port</source>
        <translation>Error %1: el proxy «%2» no es una dirección de la forma servidor:puerto</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Error %1: &quot;%2&quot; is not an http or https address</source>
        <translation>Error %1: «%2» no es una dirección http ni https</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Error %1: the answer is larger than %2 MB</source>
        <translation>Error %1: la respuesta ocupa más de %2 MB</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Error %1: %2</source>
        <translation>Error %1: %2</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Error %1: the server went silent: nothing came within %2 seconds</source>
        <translation>Error %1: el servidor dejó de responder; no llegó nada en %2 segundos</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Error %1: the answer did not complete within %2 seconds (%3 bytes came)</source>
        <translation>Error %1: la respuesta no se completó en %2 segundos (llegaron %3 bytes)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source> at line: %1</source>
        <translation> en la línea %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Orvane Downloader Error</source>
        <translation>Error del descargador de Orvane</translation>
    </message>
</context>
<context>
    <name>FeedReader</name>
    <message>
        <location filename="../src/feeds/FeedReader.cpp" line="+76"/>
        <source>The document is larger than %1 MB.</source>
        <translation>El documento ocupa más de %1 MB.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The document declares entities, which a feed does not need; it was not read.</source>
        <translation>El documento declara entidades, que un canal no necesita; no se ha leído.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The document&apos;s elements are nested more than %1 deep.</source>
        <translation>Los elementos del documento están anidados a más de %1 niveles de profundidad.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The document is not an RSS or Atom feed.</source>
        <translation>El documento no es un canal RSS ni Atom.</translation>
    </message>
    <message>
        <location line="+137"/>
        <location line="+169"/>
        <source>The feed&apos;s title is longer than %1 characters; it was not read.</source>
        <translation>El título del canal tiene más de %1 caracteres; no se ha leído.</translation>
    </message>
    <message>
        <location line="-303"/>
        <source>The document is not well-formed XML: %1 (line %2).</source>
        <translation>El documento no es un XML bien formado: %1 (línea %2).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The feed has no title.</source>
        <translation>El canal no tiene título.</translation>
    </message>
</context>
<context>
    <name>FeedUpdater</name>
    <message>
        <location filename="../src/feeds/FeedUpdater.cpp" line="+39"/>
        <source>Not downloaded yet.</source>
        <translation>Aún no se ha descargado.</translation>
    </message>
</context>
<context>
    <name>FontPicker</name>
    <message>
        <location filename="../src/options_window/FontPicker.cpp" line="+154"/>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pale red</source>
        <translation>Rojo pálido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pale orange</source>
        <translation>Naranja pálido</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pale yellow</source>
        <translation>Amarillo pálido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pale green</source>
        <translation>Verde pálido</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pale cyan</source>
        <translation>Cian pálido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pale blue</source>
        <translation>Azul pálido</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pale magenta</source>
        <translation>Magenta pálido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light grey</source>
        <translation>Gris claro</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Light red</source>
        <translation>Rojo claro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light orange</source>
        <translation>Naranja claro</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Light yellow</source>
        <translation>Amarillo claro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light green</source>
        <translation>Verde claro</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Light cyan</source>
        <translation>Cian claro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light blue</source>
        <translation>Azul claro</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Light magenta</source>
        <translation>Magenta claro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Silver</source>
        <translation>Plateado</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orange</source>
        <translation>Naranja</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cyan</source>
        <translation>Cian</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Grey</source>
        <translation>Gris</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dark red</source>
        <translation>Rojo oscuro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dark orange</source>
        <translation>Naranja oscuro</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dark yellow</source>
        <translation>Amarillo oscuro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dark green</source>
        <translation>Verde oscuro</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dark cyan</source>
        <translation>Cian oscuro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dark blue</source>
        <translation>Azul oscuro</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dark magenta</source>
        <translation>Magenta oscuro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dark grey</source>
        <translation>Gris oscuro</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Maroon</source>
        <translation>Granate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brown</source>
        <translation>Marrón</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Olive</source>
        <translation>Oliva</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Deep green</source>
        <translation>Verde intenso</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Teal</source>
        <translation>Verde azulado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Navy</source>
        <translation>Azul marino</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Purple</source>
        <translation>Púrpura</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Very dark red</source>
        <translation>Rojo muy oscuro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rosy brown</source>
        <translation>Marrón rosado</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dark olive</source>
        <translation>Oliva oscuro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Very dark green</source>
        <translation>Verde muy oscuro</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Very dark cyan</source>
        <translation>Cian muy oscuro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Very dark blue</source>
        <translation>Azul muy oscuro</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Very dark purple</source>
        <translation>Púrpura muy oscuro</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+18"/>
        <source>Font name :</source>
        <translation>Nombre de la fuente:</translation>
    </message>
    <message>
        <location line="-14"/>
        <location line="+16"/>
        <source>Size :</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+1"/>
        <source>Bold</source>
        <translation>Negrita</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Italic</source>
        <translation>Cursiva</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>UnderLine</source>
        <translation>Subrayado</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+3"/>
        <location line="+3"/>
        <source>Color</source>
        <comment>button: choose the font colour</comment>
        <translation>Color</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Current color</source>
        <translation>Color actual</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+1"/>
        <source>Preview :</source>
        <translation>Vista previa:</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+2"/>
        <source>accept and close window</source>
        <translation>Aceptar y cerrar la ventana</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+2"/>
        <source>discard and close window</source>
        <translation>Descartar y cerrar la ventana</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Select Color</source>
        <translation>Seleccionar color</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Select Font</source>
        <translation>Seleccionar fuente</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The font size &quot;%1&quot; is not a number.</source>
        <translation>El tamaño de fuente «%1» no es un número.</translation>
    </message>
</context>
<context>
    <name>HotKeyActions</name>
    <message>
        <location filename="../src/shell/HotKeyActions.cpp" line="+16"/>
        <source>Automatic wallpaper changing is now Enabled</source>
        <translation>El cambio automático del fondo está ahora activado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Automatic wallpaper changing is now Disabled</source>
        <translation>El cambio automático del fondo está ahora desactivado</translation>
    </message>
</context>
<context>
    <name>HotKeys</name>
    <message>
        <location filename="../src/hotkeys/HotKeys.cpp" line="+21"/>
        <source>Ctrl + Alt</source>
        <translation>Ctrl + Alt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl + Alt + Shift</source>
        <translation>Ctrl + Alt + Mayús</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl + Shift</source>
        <translation>Ctrl + Mayús</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alt + Shift</source>
        <translation>Alt + Mayús</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shift</source>
        <translation>Mayús</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Clear Wallpaper</source>
        <translation>Quitar el fondo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Switch wallpaper</source>
        <translation>Cambiar el fondo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Disable/Enable automatic wallpaper changing</source>
        <translation>Desactivar/activar el cambio automático del fondo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open this window.</source>
        <translation>Abrir esta ventana.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+35"/>
        <source>Previous wallpaper</source>
        <translation>Fondo anterior</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Clear the wallpaper</source>
        <translation>Quitar el fondo de pantalla</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Next wallpaper</source>
        <translation>Fondo siguiente</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Switch automatic wallpaper changing on or off</source>
        <translation>Activar o desactivar el cambio automático del fondo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open the settings window</source>
        <translation>Abrir la ventana de configuración</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>waiting for the desktop&apos;s answer</source>
        <translation>esperando la respuesta del escritorio</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/options_window/HotKeysPage.cpp" line="+120"/>
        <source>in force</source>
        <translation>activo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>in force; shown in %1</source>
        <translation>activo; se ve en %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>handed to the desktop; shown in %1</source>
        <translation>entregado al escritorio; se ve en %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/options_window/HotKeysPage.cpp" line="-1"/>
        <source>refused</source>
        <translation>rechazado</translation>
    </message>
    <message>
        <location filename="../src/platform/linux/GnomeHotKeys.cpp" line="+25"/>
        <source>GNOME Settings, Keyboard, Custom Shortcuts</source>
        <translation>Configuración de GNOME, Teclado, Atajos personalizados</translation>
    </message>
    <message>
        <location line="+95"/>
        <source>a custom shortcut</source>
        <translation>un atajo personalizado</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>the desktop&apos;s shortcut &quot;%1&quot;</source>
        <translation>el atajo «%1» del escritorio</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>the desktop&apos;s custom shortcut settings are not installed</source>
        <translation>la configuración de atajos personalizados del escritorio no está instalada</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../src/platform/linux/KdeHotKeys.cpp" line="+110"/>
        <location filename="../src/platform/linux/PortalHotKeys.cpp" line="+79"/>
        <location filename="../src/platform/linux/SwayHotKeys.cpp" line="+141"/>
        <location filename="../src/platform/linux/X11GlobalHotKeys.cpp" line="+173"/>
        <source>not a combination Tessaly can bind</source>
        <translation>no es una combinación que Tessaly pueda asignar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>this row has no action the desktop can run</source>
        <translation>esta fila no tiene ninguna acción que el escritorio pueda ejecutar</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../src/platform/linux/PortalHotKeys.cpp" line="+8"/>
        <location filename="../src/platform/linux/SwayHotKeys.cpp" line="+12"/>
        <location filename="../src/platform/linux/X11GlobalHotKeys.cpp" line="+42"/>
        <source>taken by another Tessaly hot key</source>
        <translation>ya lo usa otro atajo de Tessaly</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>taken by %1</source>
        <translation>ya lo usa %1</translation>
    </message>
    <message>
        <location filename="../src/platform/linux/KdeHotKeys.cpp" line="-87"/>
        <source>System Settings, Shortcuts, Tessaly</source>
        <translation>Preferencias del sistema, Accesos rápidos, Tessaly</translation>
    </message>
    <message>
        <location line="+113"/>
        <source>KDE&apos;s shortcut service does not answer (%1)</source>
        <translation>el servicio de atajos de KDE no responde (%1)</translation>
    </message>
    <message>
        <location line="+16"/>
        <location filename="../src/platform/linux/X11GlobalHotKeys.cpp" line="+26"/>
        <source>taken by another program</source>
        <translation>ya lo usa otro programa</translation>
    </message>
    <message>
        <location filename="../src/platform/linux/PortalHotKeys.cpp" line="-67"/>
        <source>the desktop&apos;s shortcut settings</source>
        <translation>la configuración de atajos del escritorio</translation>
    </message>
    <message>
        <location line="+142"/>
        <source>Tessaly cannot listen to the desktop&apos;s portal</source>
        <translation>Tessaly no puede escuchar el portal del escritorio</translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+24"/>
        <location line="+17"/>
        <source>not allowed by the desktop</source>
        <translation>el escritorio no lo permite</translation>
    </message>
    <message>
        <location line="-40"/>
        <source>the desktop offers no global shortcut portal (%1)</source>
        <translation>el escritorio no ofrece ningún portal de atajos globales (%1)</translation>
    </message>
    <message>
        <location line="+46"/>
        <source> (now %1)</source>
        <translation> (ahora %1)</translation>
    </message>
    <message>
        <location filename="../src/platform/linux/SwayHotKeys.cpp" line="-133"/>
        <source>sway&apos;s bindings, while Tessaly runs</source>
        <translation>los atajos de sway, mientras Tessaly se ejecuta</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+104"/>
        <source>sway cannot be reached (%1)</source>
        <translation>no se puede contactar con sway (%1)</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>this row has no action sway can run</source>
        <translation>esta fila no tiene ninguna acción que sway pueda ejecutar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>SWAYSOCK is not set</source>
        <translation>SWAYSOCK no está definido</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>taken by another program: sway&apos;s configuration binds it</source>
        <translation>ya está en uso: la configuración de sway lo asigna</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>not allowed by sway: %1</source>
        <translation>sway no lo permite: %1</translation>
    </message>
    <message>
        <location filename="../src/platform/linux/X11GlobalHotKeys.cpp" line="-66"/>
        <source>no X display to grab keys on</source>
        <translation>no hay ninguna pantalla X en la que capturar teclas</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the X server&apos;s key map cannot be read</source>
        <translation>no se puede leer el mapa de teclas del servidor X</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>the keyboard has no such key</source>
        <translation>el teclado no tiene esa tecla</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>not allowed by the desktop: the X server keeps it for switching consoles</source>
        <translation>el escritorio no lo permite: el servidor X lo reserva para cambiar de consola</translation>
    </message>
</context>
<context>
    <name>HotKeysPage</name>
    <message>
        <location filename="../src/options_window/HotKeysPage.cpp" line="-79"/>
        <source>Hot Keys</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <location line="+7"/>
        <source> modifiers</source>
        <translation>: modificadores</translation>
    </message>
    <message>
        <location line="+5"/>
        <source> key</source>
        <translation>: tecla</translation>
    </message>
    <message>
        <location line="+17"/>
        <source> status</source>
        <translation>: estado</translation>
    </message>
</context>
<context>
    <name>IniSettingsStore</name>
    <message>
        <location filename="../src/platform/IniSettingsStore.cpp" line="+147"/>
        <location line="+28"/>
        <source>the settings could not be written</source>
        <translation>no se pudo escribir la configuración</translation>
    </message>
    <message>
        <location line="-23"/>
        <source>cannot create the folder %1</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>the settings could not be written in full (is the disk full?)</source>
        <translation>no se pudo escribir la configuración completa (¿está lleno el disco?)</translation>
    </message>
</context>
<context>
    <name>InternetPage</name>
    <message>
        <location filename="../src/options_window/InternetPage.cpp" line="+47"/>
        <source>Internet settings</source>
        <translation>Configuración de Internet</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Internet options</source>
        <translation>Opciones de Internet</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Catalogue server :</source>
        <translation>Servidor del catálogo:</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Proxy settings</source>
        <translation>Configuración del proxy</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1"/>
        <source>Use a proxy</source>
        <translation>Usar un proxy</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Proxy</source>
        <comment>accessible name of the proxy address box</comment>
        <translation>Proxy</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>host:port</source>
        <translation>servidor:puerto</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Error handling</source>
        <translation>Gestión de errores</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+2"/>
        <source>Request timeout :</source>
        <translation>Tiempo de espera de la solicitud:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Seconds.</source>
        <translation>segundos.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Don&apos;t prompt on error, just ignore it.</source>
        <translation>No preguntar ante un error, simplemente ignorarlo.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Show icon in the notification area when downloading.</source>
        <translation>Mostrar un icono en el área de notificación durante las descargas.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Enable caching (Recommended)</source>
        <translation>Activar la caché (recomendado)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Files downloaded from the internet are stored for quick viewing later.</source>
        <translation>Los archivos descargados de Internet se guardan para poder verlos rápidamente más tarde.</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+2"/>
        <source>Clear cache</source>
        <translation>Vaciar la caché</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The pictures of the ticked photo feeds join those of the ticked internet categories.</source>
        <translation>Las imágenes de los canales de fotos marcados se suman a las de las categorías de Internet marcadas.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Photo feeds</source>
        <translation>Canales de fotos</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Add</source>
        <comment>button: add a photo feed</comment>
        <translation>Añadir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add a photo feed.</source>
        <translation>Añadir un canal de fotos.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Edit</source>
        <comment>button: edit the selected photo feed</comment>
        <translation>Editar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit the selected photo feed.</source>
        <translation>Editar el canal de fotos seleccionado.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Remove</source>
        <comment>button: remove the selected photo feed</comment>
        <translation>Quitar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove the selected photo feed.</source>
        <translation>Quitar el canal de fotos seleccionado.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Photo feed status</source>
        <translation>Estado de los canales de fotos</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Connection</source>
        <comment>tab</comment>
        <translation>Conexión</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Caching</source>
        <comment>tab</comment>
        <translation>Caché</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Photo feeds</source>
        <comment>tab</comment>
        <translation>Canales de fotos</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Enter the address of the photo feed (RSS or Atom) whose pictures you want to use.</source>
        <translation>Escriba la dirección del canal de fotos (RSS o Atom) cuyas imágenes quiere usar.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>New Photo Feed</source>
        <translation>Nuevo canal de fotos</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Edit Photo Feed</source>
        <translation>Editar canal de fotos</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Nothing was added. </source>
        <translation>No se añadió nada. </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nothing was changed. </source>
        <translation>No se cambió nada. </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Downloading %1 ...</source>
        <translation>Descargando %1…</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The feed holds no pictures (no image enclosures or media contents).</source>
        <translation>El canal no contiene imágenes (ni adjuntos ni contenidos multimedia de imagen).</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The feed could not be stored: %1</source>
        <translation>No se pudo guardar el canal: %1</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Pictures in &quot;%1&quot;: %2.</source>
        <translation>Imágenes en «%1»: %2.</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>The request timeout &quot;%1&quot; is not a whole number of seconds from 1 to %2; it stays %3 seconds.</source>
        <translation>El tiempo de espera «%1» no es un número entero de segundos entre 1 y %2; se mantiene en %3 segundos.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The photo feed list could not be saved: %1</source>
        <translation>No se pudo guardar la lista de canales de fotos: %1</translation>
    </message>
</context>
<context>
    <name>InternetStepping</name>
    <message>
        <location filename="../src/internet/InternetStepping.cpp" line="+53"/>
        <source>you can download only one wallpaper every %1 Minutes</source>
        <translation>Solo se puede descargar un fondo cada %1 minutos</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Photo feeds that could not be refreshed:
%1</source>
        <translation>Canales de fotos que no se pudieron actualizar:
%1</translation>
    </message>
    <message>
        <location line="+358"/>
        <source>The internet picture list could not be written: %1</source>
        <translation>No se pudo escribir la lista de imágenes de Internet: %1</translation>
    </message>
</context>
<context>
    <name>JpegDecoder</name>
    <message>
        <location filename="../src/compose/JpegDecoder.cpp" line="+136"/>
        <source>not enough memory</source>
        <translation>memoria insuficiente</translation>
    </message>
</context>
<context>
    <name>KeyCapture</name>
    <message>
        <location filename="../src/options_window/KeyCapture.cpp" line="+12"/>
        <source>Page Up</source>
        <translation>Re Pág</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Page Down</source>
        <translation>Av Pág</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Execute</source>
        <translation>Ejecutar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print Screen</source>
        <translation>Impr Pant</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete</source>
        <translation>Supr</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>ListPanes</name>
    <message>
        <location filename="../src/options_window/ListPanes.cpp" line="+20"/>
        <source>Internet categories</source>
        <translation>Categorías de Internet</translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+2"/>
        <source>Refresh internet categories</source>
        <translation>Actualizar las categorías de Internet</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>CatCode</source>
        <translation>CatCode</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Previous Wallpaper.</source>
        <translation>Fondo anterior.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Next Wallpaper.</source>
        <translation>Fondo siguiente.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Updating internet categories, please wait...</source>
        <translation>Actualizando las categorías de Internet, espere…</translation>
    </message>
    <message>
        <location line="+83"/>
        <source>Updating, please wait...</source>
        <translation>Actualizando, espere…</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Downloading previous wallpaper, please wait...</source>
        <translation>Descargando el fondo anterior, espere…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Downloading next wallpaper, please wait...</source>
        <translation>Descargando el fondo siguiente, espere…</translation>
    </message>
</context>
<context>
    <name>Metafile</name>
    <message>
        <location filename="../src/compose/Metafile.cpp" line="+747"/>
        <source>not a Windows metafile header</source>
        <translation>no es una cabecera de metarchivo de Windows</translation>
    </message>
    <message>
        <location line="+21"/>
        <location line="+363"/>
        <source>the metafile has no size</source>
        <translation>el metarchivo no tiene tamaño</translation>
    </message>
    <message>
        <location line="-299"/>
        <location line="+406"/>
        <source>the metafile ends early</source>
        <translation>el metarchivo termina antes de tiempo</translation>
    </message>
    <message>
        <location line="-401"/>
        <location line="+405"/>
        <source>a record does not fit in the metafile</source>
        <translation>un registro no cabe en el metarchivo</translation>
    </message>
    <message>
        <location line="-194"/>
        <location line="+410"/>
        <location line="+93"/>
        <source>a region does not fit in its record</source>
        <translation>una región no cabe en su registro</translation>
    </message>
    <message>
        <location line="-457"/>
        <location line="+511"/>
        <source>record %1 is too short</source>
        <translation>el registro %1 es demasiado corto</translation>
    </message>
    <message>
        <location line="-491"/>
        <source>not an enhanced metafile header</source>
        <translation>no es una cabecera de metarchivo mejorado</translation>
    </message>
    <message>
        <location line="+530"/>
        <source>nothing to draw on</source>
        <translation>no hay ninguna superficie en la que dibujar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>out of memory</source>
        <translation>memoria insuficiente</translation>
    </message>
</context>
<context>
    <name>NewsBar</name>
    <message>
        <location filename="../src/widgets/NewsBar.cpp" line="+32"/>
        <location line="+1"/>
        <source>News bar</source>
        <translation>Barra de noticias</translation>
    </message>
</context>
<context>
    <name>NewsBarPage</name>
    <message>
        <location filename="../src/options_window/NewsBarPage.cpp" line="+61"/>
        <source>News bar</source>
        <translation>Barra de noticias</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>News bar options</source>
        <translation>Opciones de la barra de noticias</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Enable news bar</source>
        <translation>Activar la barra de noticias</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clickable</source>
        <translation>Permitir hacer clic</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Always on top.</source>
        <translation>Siempre en primer plano.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Move the news bar</source>
        <translation>Mover la barra de noticias</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+2"/>
        <source>Update every </source>
        <translation>Actualizar cada </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Change the update interval</source>
        <translation>Cambiar el intervalo de actualización</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+3"/>
        <source>Speed:</source>
        <translation>Velocidad:</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>(Fast)</source>
        <translation>(Rápida)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>(Slow)</source>
        <translation>(Lenta)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>News feeds</source>
        <translation>Canales de noticias</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>News feed addresses</source>
        <translation>Direcciones de los canales de noticias</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Add</source>
        <comment>button: add a news feed</comment>
        <translation>Añadir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add an RSS Feed.</source>
        <translation>Añadir un canal RSS.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Edit</source>
        <comment>button: edit the selected news feed</comment>
        <translation>Editar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit selected feed.</source>
        <translation>Editar el canal seleccionado.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove</source>
        <comment>button: remove the selected news feeds</comment>
        <translation>Quitar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove selected Feeds.</source>
        <translation>Quitar los canales seleccionados.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Update now!</source>
        <translation>Actualizar ahora</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+6"/>
        <source>Info</source>
        <comment>feed information</comment>
        <translation>Información</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Click on an item to view its info</source>
        <translation>Haga clic en un elemento para ver su información</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+2"/>
        <location line="+88"/>
        <source>last update :</source>
        <translation>Última actualización:</translation>
    </message>
    <message>
        <location line="-80"/>
        <source>sample%1</source>
        <comment>news bar appearance: sample text of font/color %1</comment>
        <translation>Ejemplo %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Edit font/color %1</source>
        <translation>Editar fuente/color %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Options</source>
        <comment>tab of the news bar page</comment>
        <translation>Opciones</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Feeds</source>
        <comment>tab</comment>
        <translation>Canales</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Appearance</source>
        <comment>tab</comment>
        <translation>Apariencia</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>The update interval &quot;%1&quot; is not a number of minutes above 0 and up to %2; it stays %3 minutes.</source>
        <translation>El intervalo de actualización «%1» no es un número de minutos mayor que 0 y no mayor que %2; se mantiene en %3 minutos.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The feed list could not be saved: %1</source>
        <translation>No se pudo guardar la lista de canales: %1</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>New Feed</source>
        <translation>Nuevo canal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter the URL of the xml RSS feed you want to add<byte value="xd"/>
or copy it from you&apos;re browser and paste it here.</source>
        <translation>Escriba la URL del canal RSS (XML) que quiere añadir<byte value="xd"/>
o cópiela del navegador y péguela aquí.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Edit Feed</source>
        <translation>Editar canal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter the new URL of the xml RSS feed <byte value="xd"/>
or copy it from you&apos;re browser and paste it here.</source>
        <translation>Escriba la nueva URL del canal RSS (XML)<byte value="xd"/>
o cópiela del navegador y péguela aquí.</translation>
    </message>
    <message>
        <location line="+19"/>
        <location line="+19"/>
        <source>Nothing was added. </source>
        <translation>No se añadió nada. </translation>
    </message>
    <message>
        <location line="-18"/>
        <location line="+17"/>
        <source>Nothing was changed. </source>
        <translation>No se cambió nada. </translation>
    </message>
    <message>
        <location filename="../src/options_window/FeedEditing.cpp" line="+19"/>
        <source>The address is longer than %1 characters, which the feed list cannot keep.</source>
        <translation>La dirección tiene más de %1 caracteres, más de los que admite la lista de canales.</translation>
    </message>
    <message>
        <location filename="../src/options_window/NewsBarPage.cpp" line="-11"/>
        <source>Downloading %1 ...</source>
        <translation>Descargando %1…</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The feed could not be stored: %1</source>
        <translation>No se pudo guardar el canal: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Changed to &quot;%1&quot;.</source>
        <translation>Se cambió a «%1».</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Added &quot;%1&quot;.</source>
        <translation>Se añadió «%1».</translation>
    </message>
    <message>
        <location line="+10"/>
        <source><byte value="xd"/>
Updating...</source>
        <translation><byte value="xd"/>
Actualizando…</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Last update:<byte value="xd"/>
</source>
        <translation>Última actualización:<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>PhotoDecoders</name>
    <message>
        <location filename="../src/compose/PhotoDecoders.cpp" line="+96"/>
        <location line="+57"/>
        <location line="+30"/>
        <source>out of memory</source>
        <translation>memoria insuficiente</translation>
    </message>
    <message>
        <location line="-74"/>
        <source>no picture size</source>
        <translation>la imagen no tiene tamaño</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+94"/>
        <source>%1 x %2 pixels is over the limit</source>
        <translation>%1 x %2 píxeles superan el límite</translation>
    </message>
    <message>
        <location line="-56"/>
        <location line="+106"/>
        <source>no picture data</source>
        <translation>la imagen no tiene datos</translation>
    </message>
    <message>
        <location line="-67"/>
        <source>decoder set-up failed</source>
        <translation>no se pudo preparar el decodificador</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>unreadable header</source>
        <translation>cabecera ilegible</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>cannot hold the picture</source>
        <translation>no se puede cargar la imagen en memoria</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the file ends too early</source>
        <translation>el archivo termina antes de tiempo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>damaged data</source>
        <translation>datos dañados</translation>
    </message>
</context>
<context>
    <name>PictureFormats</name>
    <message>
        <location filename="../src/compose/PictureFormats.cpp" line="+50"/>
        <source>Pictures (%1);;All Files (*)</source>
        <translation>Imágenes (%1);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>PictureListFile</name>
    <message>
        <location filename="../src/settings/PictureListFile.cpp" line="+53"/>
        <source>%1 holds a line break, which the list cannot keep</source>
        <translation>%1 contiene un salto de línea, que la lista no puede guardar</translation>
    </message>
</context>
<context>
    <name>PictureListPanes</name>
    <message>
        <location filename="../src/options_window/PictureListPanes.cpp" line="+49"/>
        <source>These files were not added: their names hold a line break, which the picture list cannot keep.</source>
        <translation>Estos archivos no se añadieron: su nombre contiene un salto de línea, que la lista de imágenes no puede guardar.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>These folders were not added: their names hold a line break, which the picture list cannot keep.</source>
        <translation>Estas carpetas no se añadieron: su nombre contiene un salto de línea, que la lista de imágenes no puede guardar.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>These files and folders were not added: their names hold a line break, which the picture list cannot keep.</source>
        <translation>Estos archivos y carpetas no se añadieron: su nombre contiene un salto de línea, que la lista de imágenes no puede guardar.</translation>
    </message>
    <message>
        <location line="+105"/>
        <location line="+2"/>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Preview picture</source>
        <translation>Imagen de vista previa</translation>
    </message>
    <message>
        <location line="+38"/>
        <location line="+4"/>
        <source>Files list</source>
        <translation>Lista de archivos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Drag files or folders from windows explorer to add files.</source>
        <translation>Arrastre archivos o carpetas desde el gestor de archivos para añadirlos.</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+338"/>
        <source>Browse for pictures</source>
        <translation>Buscar imágenes</translation>
    </message>
    <message>
        <location line="-335"/>
        <location line="+339"/>
        <source>Remove selected</source>
        <translation>Quitar los seleccionados</translation>
    </message>
    <message>
        <location line="-336"/>
        <location line="+338"/>
        <source>Clear list</source>
        <translation>Vaciar la lista</translation>
    </message>
    <message>
        <location line="-335"/>
        <source>Move selected up.</source>
        <translation>Subir los seleccionados.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Move selected down.</source>
        <translation>Bajar los seleccionados.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Shuffle.</source>
        <translation>Mezclar.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sort.</source>
        <translation>Ordenar.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Set selected picture as wallpaper</source>
        <translation>Usar la imagen seleccionada como fondo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Clear desktop wallpaper.</source>
        <translation>Quitar el fondo del escritorio.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dele&amp;te</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+318"/>
        <source>&amp;Clear list</source>
        <translation>&amp;Vaciar la lista</translation>
    </message>
    <message>
        <location line="-315"/>
        <source>Move &amp;up</source>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Move &amp;Down</source>
        <translation>&amp;Bajar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Shu&amp;ffle</source>
        <translation>&amp;Mezclar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Sort</source>
        <translation>&amp;Ordenar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Remove &amp;missing file(s)</source>
        <translation>Quitar los archivos que &amp;faltan</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>P&amp;hysically remove selected file(s)</source>
        <translation>&amp;Eliminar del disco los archivos seleccionados</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Open</source>
        <translation>Ab&amp;rir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open folde&amp;r</source>
        <translation>Abrir &amp;carpeta</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>File &amp;Properties</source>
        <translation>&amp;Propiedades del archivo</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Open Pictures</source>
        <translation>Abrir imágenes</translation>
    </message>
    <message>
        <location line="+115"/>
        <source>Are you sure you want to delete %1 file(s) from your hard disk?
please note that files will not be move to the recycle bin and will be deleted permanently.</source>
        <translation>¿Seguro que desea eliminar %1 archivo(s) del disco duro?
Tenga en cuenta que los archivos no se moverán a la papelera y se eliminarán de forma permanente.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>These files could not be deleted and stay in the list:
</source>
        <translation>No se pudieron eliminar estos archivos, que siguen en la lista:
</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>The picture could not be made the wallpaper.</source>
        <translation>No se pudo poner la imagen como fondo.</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+5"/>
        <source>Folders list</source>
        <translation>Lista de carpetas</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>&amp;Add folder</source>
        <translation>&amp;Añadir carpeta</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Remove selected folder(s)</source>
        <translation>&amp;Quitar las carpetas seleccionadas</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Open folder</source>
        <translation>Abrir &amp;carpeta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Properties</source>
        <translation>&amp;Propiedades</translation>
    </message>
    <message>
        <location line="+17"/>
        <source> Files found and ready to be used</source>
        <translation> archivos encontrados y listos para usar</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> Pictures found and ready to be used!</source>
        <translation> imágenes encontradas y listas para usar.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Please select a folder</source>
        <translation>Seleccione una carpeta</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>The picture list could not be saved to %1: %2</source>
        <translation>No se pudo guardar la lista de imágenes en %1: %2</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <location filename="../src/shell/Program.cpp" line="+135"/>
        <source>Tessaly could not read its settings file and uses the default settings. The damaged file was kept as %1.</source>
        <translation>Tessaly no pudo leer su archivo de configuración y usa la configuración predeterminada. El archivo dañado se ha conservado como %1.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Some settings held values Tessaly cannot use and were reset: %1.</source>
        <translation>Algunas opciones tenían valores que Tessaly no puede usar y se han restablecido: %1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Tessaly could not set up its start at log-on: %1.</source>
        <translation>Tessaly no pudo configurar su inicio al iniciar la sesión: %1.</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Tessaly could not write its picture list %1.</source>
        <translation>Tessaly no pudo escribir su lista de imágenes %1.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Tessaly could not save its settings: %1. The previous settings are kept.</source>
        <translation>Tessaly no pudo guardar su configuración: %1. Se mantiene la configuración anterior.</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>tessaly: unknown option &apos;%1&apos;</source>
        <translation>tessaly: opción desconocida «%1»</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <location filename="../src/settings/Settings.cpp" line="+11"/>
        <source>Center</source>
        <translation>Centrado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tile</source>
        <translation>Mosaico</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stretch</source>
        <translation>Estirado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fit screen (Reduce)</source>
        <translation>Ajustar a la pantalla (reducir)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fit screen (Enlarge)</source>
        <translation>Ajustar a la pantalla (ampliar)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fit (Reduce/Enlarge)</source>
        <translation>Ajustar (reducir/ampliar)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear</source>
        <translation>Sin fondo</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Same</source>
        <translation>Igual</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Different</source>
        <translation>Diferente</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Span</source>
        <translation>Extendido</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Primary</source>
        <translation>Principal</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <location filename="../src/options_window/SettingsWindow.cpp" line="+45"/>
        <source>Wallpaper</source>
        <translation>Fondo de pantalla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Watermark</source>
        <translation>Marca de agua</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Colors</source>
        <translation>Colores</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clock</source>
        <translation>Reloj</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hot Keys</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>News Bar</source>
        <translation>Barra de noticias</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+1"/>
        <location line="+298"/>
        <source>Tessaly settings</source>
        <translation>Configuración de Tessaly</translation>
    </message>
    <message>
        <location line="-288"/>
        <location line="+2"/>
        <source>Options :</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>Click to switch between the time left and the clock time</source>
        <translation>Haga clic para alternar entre el tiempo restante y la hora del cambio</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Switch wallpaper when I click apply.</source>
        <translation>Cambiar el fondo al hacer clic en Aplicar.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Close this window after applying changes.</source>
        <translation>Cerrar esta ventana después de aplicar los cambios.</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+1"/>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Help on this page</source>
        <translation>Ayuda sobre esta página</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>About Tessaly</source>
        <translation>Acerca de Tessaly</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Shut down Tessaly.</source>
        <translation>Cerrar Tessaly.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Apply and close window</source>
        <translation>Aplicar y cerrar la ventana</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>discard and close window</source>
        <translation>Descartar y cerrar la ventana</translation>
    </message>
    <message>
        <location line="+131"/>
        <source>The settings could not be saved: %1</source>
        <translation>No se pudo guardar la configuración: %1</translation>
    </message>
</context>
<context>
    <name>Targa</name>
    <message>
        <location filename="../src/compose/Targa.cpp" line="+73"/>
        <source>not a TGA picture</source>
        <translation>no es una imagen TGA</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 x %2 pixels is over the limit</source>
        <translation>%1 x %2 píxeles superan el límite</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+37"/>
        <location line="+8"/>
        <location line="+5"/>
        <location line="+8"/>
        <source>the file is cut short</source>
        <translation>el archivo está truncado</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>out of memory</source>
        <translation>memoria insuficiente</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <location filename="../src/shell/TrayIcon.cpp" line="+74"/>
        <source>&amp;Settings</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Switch &amp;Wallpaper Now</source>
        <translation>Cambiar el &amp;fondo ahora</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Previous wallpaper</source>
        <translation>Fondo a&amp;nterior</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Wallpaper</source>
        <comment>menu</comment>
        <translation>Fondo de pantalla</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Next wallpaper</source>
        <translation>Fondo siguiente</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clear wallpaper</source>
        <translation>Quitar el fondo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Current wallpaper</source>
        <translation>Fondo actual</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Filename</source>
        <comment>menu: show the current wallpaper&apos;s file name</comment>
        <translation>Nombre del archivo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Open folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Clock</source>
        <comment>menu</comment>
        <translation>Reloj</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show the clock</source>
        <translation>Mostrar el reloj</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+9"/>
        <source>Always on top</source>
        <translation>Siempre en primer plano</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Calendar</source>
        <comment>menu</comment>
        <translation>Calendario</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show the calendar</source>
        <translation>Mostrar el calendario</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
</context>
<context>
    <name>WallpaperChange</name>
    <message>
        <location filename="../src/collection/WallpaperChange.cpp" line="+97"/>
        <source>Internet file</source>
        <translation>Archivo de Internet</translation>
    </message>
</context>
<context>
    <name>WallpaperJobs</name>
    <message>
        <location filename="../src/collection/WallpaperJobs.cpp" line="+218"/>
        <source>There is no earlier wallpaper.</source>
        <translation>No hay ningún fondo anterior.</translation>
    </message>
    <message>
        <location line="+183"/>
        <source>Looking for pictures in %1</source>
        <translation>Buscando imágenes en %1</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1 file names could not be read (not valid text, or holding a line break) and were left out of the pictures.</source>
        <translation>No se pudieron leer %1 nombres de archivo (no son texto válido o contienen un salto de línea) y se han dejado fuera de las imágenes.</translation>
    </message>
</context>
<context>
    <name>WallpaperPage</name>
    <message>
        <location filename="../src/options_window/WallpaperPage.cpp" line="+37"/>
        <source>Wallpaper</source>
        <translation>Fondo de pantalla</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+2"/>
        <source>Switch wallpaper every</source>
        <translation>Cambiar el fondo cada</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Minutes between changes</source>
        <translation>Minutos entre cambios</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Change the interval by one minute</source>
        <translation>Cambiar el intervalo en un minuto</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+3"/>
        <source>Switch wallpaper on startup</source>
        <translation>Cambiar el fondo al iniciar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Wallpaper selecting technique</source>
        <translation>Método de selección del fondo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Random </source>
        <translation>Aleatorio </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sequence</source>
        <translation>Secuencial</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+3"/>
        <source>Start Tessaly on windows start-up</source>
        <translation>Iniciar Tessaly con el sistema</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+6"/>
        <source>Wallpaper position </source>
        <translation>Posición del fondo </translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+6"/>
        <source>Wallpaper source</source>
        <translation>Origen del fondo</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Local Files list</source>
        <translation>Lista de archivos locales</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Local Folders list</source>
        <translation>Lista de carpetas locales</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internet</source>
        <comment>wallpaper source</comment>
        <translation>Internet</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+10"/>
        <source>Several monitors</source>
        <translation>Varios monitores</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Same: the picture on every monitor. Different: each monitor the next picture. Span: one picture across all monitors. Primary: the main monitor&apos;s picture alone.</source>
        <translation>Igual: la misma imagen en todos los monitores. Diferente: cada monitor, la imagen siguiente. Extendido: una sola imagen a lo largo de todos los monitores. Principal: imagen solo en el monitor principal.</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+4"/>
        <source>Show file name near tray icon for seconds</source>
        <translation>Mostrar unos segundos el nombre del archivo junto al icono del área de notificación</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>The interval &quot;%1&quot; is not a number of minutes above 0 and up to %2; the interval stays %3 minutes.</source>
        <translation>El intervalo «%1» no es un número de minutos mayor que 0 y no mayor que %2; el intervalo se mantiene en %3 minutos.</translation>
    </message>
</context>
<context>
    <name>Watermark</name>
    <message>
        <location filename="../src/compose/Watermark.cpp" line="+127"/>
        <source>Internet file</source>
        <translation>Archivo de Internet</translation>
    </message>
</context>
<context>
    <name>WatermarkPage</name>
    <message>
        <location filename="../src/options_window/WatermarkPage.cpp" line="+19"/>
        <source>Watermark</source>
        <translation>Marca de agua</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+2"/>
        <source>Show watermark</source>
        <translation>Mostrar la marca de agua</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+2"/>
        <source>Watermark text:</source>
        <translation>Texto de la marca de agua:</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+3"/>
        <source>Position :</source>
        <translation>Posición:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Top left</source>
        <translation>Arriba a la izquierda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Top right</source>
        <translation>Arriba a la derecha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Centre</source>
        <comment>watermark position</comment>
        <translation>Centro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bottom left</source>
        <translation>Abajo a la izquierda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bottom right</source>
        <translation>Abajo a la derecha</translation>
    </message>
    <message>
        <location line="+19"/>
        <location line="+2"/>
        <source>Edit font/color</source>
        <translation>Editar fuente/color</translation>
    </message>
</context>
<context>
    <name>WidgetPages</name>
    <message>
        <location filename="../src/options_window/WidgetPages.cpp" line="+58"/>
        <source>this feature works only in windows XP/2000</source>
        <translation>Esta función solo está disponible en Windows XP/2000</translation>
    </message>
    <message>
        <location line="+148"/>
        <source>Clock numbers</source>
        <translation>Números del reloj</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hour hand</source>
        <translation>Aguja de las horas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Minute hand</source>
        <translation>Aguja de los minutos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Second hand</source>
        <translation>Aguja de los segundos</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Choose the font and colour of the numbers</source>
        <translation>Elegir la fuente y el color de los números</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Choose the colour of the hour hand</source>
        <translation>Elegir el color de la aguja de las horas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Choose the colour of the minute hand</source>
        <translation>Elegir el color de la aguja de los minutos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Choose the colour of the second hand</source>
        <translation>Elegir el color de la aguja de los segundos</translation>
    </message>
    <message>
        <location line="+157"/>
        <source>Clock Settings</source>
        <translation>Configuración del reloj</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+2"/>
        <source>Show the clock</source>
        <translation>Mostrar el reloj</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+2"/>
        <location line="+129"/>
        <location line="+2"/>
        <source>Always on top.</source>
        <translation>Siempre en primer plano.</translation>
    </message>
    <message>
        <location line="-129"/>
        <source>Move the clock</source>
        <translation>Mover el reloj</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Clock preview</source>
        <translation>Vista previa del reloj</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Hours</source>
        <comment>clock preview: hour digits</comment>
        <translation>Horas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Minutes</source>
        <comment>clock preview: minute digits</comment>
        <translation>Minutos</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Seconds</source>
        <comment>clock preview: second digits</comment>
        <translation>Segundos</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+3"/>
        <location line="+136"/>
        <location line="+3"/>
        <source>Click on an element to modify</source>
        <translation>Haga clic en un elemento para modificarlo</translation>
    </message>
    <message>
        <location line="-59"/>
        <source>Calender settings</source>
        <translation>Configuración del calendario</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+2"/>
        <source>Show the calendar</source>
        <translation>Mostrar el calendario</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Move the calendar</source>
        <translation>Mover el calendario</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>July 2006</source>
        <comment>calendar preview: a month and year</comment>
        <translation>julio 2006</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sun  Mon  Tue  Wed  Thu  Fri  Sat</source>
        <comment>calendar preview: the week&apos;s day names, in the calendar&apos;s column widths</comment>
        <translation>dom  lun  mar  mié  jue  vie  sáb</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Today</source>
        <comment>calendar preview: today&apos;s date</comment>
        <translation>Hoy</translation>
    </message>
</context>
<context>
    <name>XdgAutostart</name>
    <message>
        <location filename="../src/platform/linux/XdgAutostart.cpp" line="+63"/>
        <source>cannot remove %1</source>
        <translation>no se puede eliminar %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>cannot create %1</source>
        <translation>no se puede crear %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
</context>
</TS>
