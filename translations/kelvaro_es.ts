<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>kelvaro</name>
    <message>
        <source>
Exit status:
  0  done; or the clock ran and ended normally, or another clock already runs
  1  not done: no alarm in progress to snooze or stop, or the change is left to
     &quot;Are you sure ...?&quot; at the clock (&quot;Warn if Changing Settings&quot;), or --status
     with no clock running cannot read the settings
  2  the command line is refused
  3  the settings are locked: the clock answers &quot;locked&quot;
  4  no running clock to ask (every request but --status), or it did not answer
</source>
        <translation>
Estado de salida:
  0  hecho; o el reloj funcionó y terminó con normalidad, o ya funciona otro reloj
  1  no hecho: no hay alarma en curso que posponer o detener, o el cambio espera
     «¿Está seguro…?» en el reloj («Avisar al cambiar ajustes»), o --status
     no puede leer los ajustes sin un reloj en marcha
  2  la línea de órdenes se rechaza
  3  los ajustes están bloqueados: el reloj responde «bloqueado»
  4  no hay reloj en marcha al que preguntar (toda petición salvo --status), o no respondió
</translation>
    </message>
    <message>
        <source>    Add MP3 &amp;&amp; Video Music to List   </source>
        <translation>    Añadir MP3 &amp;&amp; vídeo a la lista   </translation>
    </message>
    <message>
        <source>  to arrive at %1</source>
        <translation>  para llegar a las %1</translation>
    </message>
    <message>
        <source> Insert 
%1
 Here Before 
%2? 
</source>
        <translation> ¿Insertar 
%1
 aquí antes de 
%2? 
</translation>
    </message>
    <message>
        <source> Move 
%1
 to a new Location? 
</source>
        <translation> ¿Mover 
%1
 a otro lugar? 
</translation>
    </message>
    <message>
        <source> Note: Alarm Clock is NOT ON!                

Turn Alarm ON       CANCEL</source>
        <translation> Nota: ¡el despertador NO está ACTIVADO!                

Activar la alarma       CANCELAR</translation>
    </message>
    <message>
        <source> Note: Alarm NOT Set ON for Today! 

Turn ON Todays Alarm? 
</source>
        <translation> Nota: ¡no hay alarma ACTIVADA para hoy! 

¿Activar la alarma de hoy? 
</translation>
    </message>
    <message>
        <source> Note: Alarm NOT Set ON for Tomorrow! 

Turn ON Tomorrows Alarm? 
</source>
        <translation> Nota: ¡no hay alarma ACTIVADA para mañana! 

¿Activar la alarma de mañana? 
</translation>
    </message>
    <message>
        <source> Note: Resize Taskbar Clock by 

First Place the Mouse over the Taskbar Clock,

Then Press and hold the Left Mouse button and the &apos;Ctrl&apos; key at the same time,

Then drag the Mouse. 
</source>
        <translation> Nota: cambiar el tamaño del reloj de la barra de tareas 

Primero sitúe el ratón sobre el reloj de la barra de tareas,

luego mantenga pulsados a la vez el botón izquierdo del ratón y la tecla &apos;Ctrl&apos;,

y arrastre el ratón. 
</translation>
    </message>
    <message>
        <source> Note: You are running on BATTERY power!                

                   Continue to Sleep?

                  YES                     NO</source>
        <translation> Nota: ¡está funcionando con BATERÍA!                

                   ¿Continuar al modo reposo?

                  SÍ                     NO</translation>
    </message>
    <message>
        <source> Volume Control, The Blue area is the non-alarm volume setting</source>
        <translation> Volumen: el área azul es el volumen fuera de la alarma</translation>
    </message>
    <message>
        <source>!!!WARNING!!! 
Your Program may NOT be able to make a Sound to Alert You.</source>
        <translation>¡¡¡AVISO!!! 
Puede que su programa NO pueda emitir un sonido para avisarle.</translation>
    </message>
    <message>
        <source>%1	%2 hr-Time Difference</source>
        <translation>%1	%2 h de diferencia</translation>
    </message>
    <message>
        <source>%1

Offered:
%2
Enter or Use Zone
takes it.</source>
        <translation>%1

Propuesta:
%2
Intro o «Usar zona»
la adopta.</translation>
    </message>
    <message>
        <source>%1
Are you sure?</source>
        <translation>%1
¿Está seguro?</translation>
    </message>
    <message>
        <source>%1 (unchanged)</source>
        <translation>%1 (sin cambios)</translation>
    </message>
    <message>
        <source>%1 (unknown zone)</source>
        <translation>%1 (zona desconocida)</translation>
    </message>
    <message>
        <source>%1 = Sunday Alarm Time - %2</source>
        <translation>%1 = hora de alarma del domingo – %2</translation>
    </message>
    <message>
        <source>%1 by </source>
        <translation>%1 antes de las </translation>
    </message>
    <message>
        <source>%1 cannot be read (%2). The city list stays empty and will not be saved over that file.</source>
        <translation>No se puede leer %1 (%2). La lista de ciudades queda vacía y no se guardará sobre ese archivo.</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2). The clock runs on its default settings and will not save them over that file.</source>
        <translation>No se puede leer %1 (%2). El reloj funciona con sus ajustes predeterminados y no los guardará sobre ese archivo.</translation>
    </message>
    <message>
        <source>%1 is too large to read (%2). The city list stays empty and will not be saved over that file.</source>
        <translation>%1 es demasiado grande para leerlo (%2). La lista de ciudades queda vacía y no se guardará sobre ese archivo.</translation>
    </message>
    <message>
        <source>%1 is too large to read (%2). The clock runs on its default settings and will not save them over that file.</source>
        <translation>%1 es demasiado grande para leerlo (%2). El reloj funciona con sus ajustes predeterminados y no los guardará sobre ese archivo.</translation>
    </message>
    <message>
        <source>%1 is too large to read (%2). The list stays empty.</source>
        <translation>%1 es demasiado grande para leerlo (%2). La lista queda vacía.</translation>
    </message>
    <message>
        <source>%1%2%3%4%5%6%7</source>
        <translation>%1%2%3%4%5%6%7</translation>
    </message>
    <message>
        <source>%1, %2% lit</source>
        <translation>%1, iluminada al %2 %</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1:
%2</source>
        <translation>%1:
%2</translation>
    </message>
    <message>
        <source>%1: %2 s, reply in %3 s</source>
        <translation>%1: %2 s, respuesta en %3 s</translation>
    </message>
    <message>
        <source>%1: %2 s, reply in %3 s (too slow to count)</source>
        <translation>%1: %2 s, respuesta en %3 s (demasiado lenta para contar)</translation>
    </message>
    <message>
        <source>%1: alarm at %2</source>
        <translation>%1: alarma a las %2</translation>
    </message>
    <message>
        <source>%1: no reply</source>
        <translation>%1: sin respuesta</translation>
    </message>
    <message>
        <source>&amp;12 / 24 Hour Format</source>
        <translation>&amp;12 / 24 horas</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Alarm</source>
        <translation>&amp;Alarma</translation>
    </message>
    <message>
        <source>&amp;All Days</source>
        <translation>&amp;Todos los días</translation>
    </message>
    <message>
        <source>&amp;CD</source>
        <translation>&amp;CD</translation>
    </message>
    <message>
        <source>&amp;Cities</source>
        <translation>&amp;Ciudades</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Days Settings</source>
        <translation>&amp;Días</translation>
    </message>
    <message>
        <source>&amp;E-Mail Kelvaro Support</source>
        <translation>&amp;Correo al soporte de Kelvaro</translation>
    </message>
    <message>
        <source>&amp;Even More Settings</source>
        <translation>&amp;Más ajustes</translation>
    </message>
    <message>
        <source>&amp;Kelvaro Web Site</source>
        <translation>Sitio &amp;web de Kelvaro</translation>
    </message>
    <message>
        <source>&amp;Lock Settings</source>
        <translation>&amp;Bloquear ajustes</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Minimizar</translation>
    </message>
    <message>
        <source>&amp;MP3, MPEG Video, Wave</source>
        <translation>&amp;MP3, vídeo MPEG, Wave</translation>
    </message>
    <message>
        <source>&amp;Music Settings</source>
        <translation>&amp;Música</translation>
    </message>
    <message>
        <source>&amp;ON</source>
        <translation>&amp;ACTIVADA</translation>
    </message>
    <message>
        <source>&amp;Restore Settings from Disk</source>
        <translation>&amp;Restaurar ajustes</translation>
    </message>
    <message>
        <source>&amp;Save Settings to Disk</source>
        <translation>&amp;Guardar ajustes</translation>
    </message>
    <message>
        <source>&amp;Set Alarm Time</source>
        <translation>&amp;Hora de alarma</translation>
    </message>
    <message>
        <source>&amp;Set Clock using Web Atomic Clock Time</source>
        <translation>&amp;Ajustar el reloj con la hora atómica de la web</translation>
    </message>
    <message>
        <source>&amp;Sleep</source>
        <translation>&amp;Dormir</translation>
    </message>
    <message>
        <source>&amp;Time Settings</source>
        <translation>&amp;Hora</translation>
    </message>
    <message>
        <source>&amp;Use PopUp Hints</source>
        <translation>&amp;Mostrar ayudas emergentes</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Ventana</translation>
    </message>
    <message>
        <source>&apos;auto&apos; starts the clock; it does not go with a request to it.</source>
        <translation>&apos;auto&apos; inicia el reloj; no acompaña a una petición al reloj.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>--alarm takes on or off.</source>
        <translation>--alarm admite on u off.</translation>
    </message>
    <message>
        <source>--dir needs a folder name.</source>
        <translation>--dir necesita un nombre de carpeta.</translation>
    </message>
    <message>
        <source>--dir: &apos;%1&apos; is not a folder.</source>
        <translation>--dir: &apos;%1&apos; no es una carpeta.</translation>
    </message>
    <message>
        <source>--set-alarm takes a time HH:MM, 00:00 to 23:59.</source>
        <translation>--set-alarm admite una hora HH:MM, de 00:00 a 23:59.</translation>
    </message>
    <message>
        <source>0 Minutes = Always ON until turned off</source>
        <translation>0 minutos = ACTIVADA hasta apagarla</translation>
    </message>
    <message>
        <source>0 Minutes = No Auto Snooze</source>
        <translation>0 minutos = sin posponer automático</translation>
    </message>
    <message>
        <source>^^ Update Cities ^^</source>
        <translation>^^ Guardar ciudades ^^</translation>
    </message>
    <message>
        <source>About Kelvaro Clock</source>
        <translation>Acerca de Kelvaro Clock</translation>
    </message>
    <message>
        <source>Add / &amp;Change City Time Zone</source>
        <translation>Añadir / &amp;cambiar zona horaria de ciudad</translation>
    </message>
    <message>
        <source>Add / Edit Cities &amp;&amp; Time Zones</source>
        <translation>Editar ciudades &amp;&amp; zonas horarias</translation>
    </message>
    <message>
        <source>ADD CD Tracks to Music List</source>
        <translation>Añadir pistas de CD a la lista</translation>
    </message>
    <message>
        <source>Add music to the list</source>
        <translation>Añadir música a la lista</translation>
    </message>
    <message>
        <source>After Alarm sounds - Press ANY key to start Snooze.  Click Stop Alarm Button to END alarm</source>
        <translation>Cuando suene la alarma: pulse CUALQUIER tecla para posponer.  Pulse «Detener alarma» para TERMINARLA</translation>
    </message>
    <message>
        <source>After Alarm sounds press ANY Key to extend the Snooze Time</source>
        <translation>Cuando suene la alarma: CUALQUIER tecla alarga la espera</translation>
    </message>
    <message>
        <source>Alarm %1</source>
        <translation>Alarma %1</translation>
    </message>
    <message>
        <source>Alarm AM / PM</source>
        <translation>Alarma a. m. / p. m.</translation>
    </message>
    <message>
        <source>alarm at %1</source>
        <translation>alarma a las %1</translation>
    </message>
    <message>
        <source>Alarm at %1</source>
        <translation>Alarma a las %1</translation>
    </message>
    <message>
        <source>Alarm clock for travellers</source>
        <translation>Despertador para viajeros</translation>
    </message>
    <message>
        <source>Alarm Hour</source>
        <translation>Hora de la alarma</translation>
    </message>
    <message>
        <source>Alarm is left off.</source>
        <translation>La alarma sigue desactivada.</translation>
    </message>
    <message>
        <source>Alarm is NOT awwn!</source>
        <translation>¡La alarma NO está activada!</translation>
    </message>
    <message>
        <source>Alarm is now set awn.</source>
        <translation>La alarma está ahora activada.</translation>
    </message>
    <message>
        <source>Alarm Minute</source>
        <translation>Minuto de la alarma</translation>
    </message>
    <message>
        <source>Alarm Music &amp; Mpeg Videos</source>
        <translation>Música de alarma &amp; vídeos MPEG</translation>
    </message>
    <message>
        <source>Alarm NOT Set awwn for Today! Do you want to Turn awwn Todays Alarm?</source>
        <translation>¡No hay alarma activada para hoy! ¿Quiere activar la alarma de hoy?</translation>
    </message>
    <message>
        <source>Alarm NOT Set awwn for Tomorrow!</source>
        <translation>¡No hay alarma activada para mañana!</translation>
    </message>
    <message>
        <source>Alarm off</source>
        <translation>Alarma desactivada</translation>
    </message>
    <message>
        <source>alarm off</source>
        <translation>alarma desactivada</translation>
    </message>
    <message>
        <source>Alarm on</source>
        <translation>Alarma activada</translation>
    </message>
    <message>
        <source>alarm on</source>
        <translation>alarma activada</translation>
    </message>
    <message>
        <source>Alarm ON / OFF</source>
        <translation>Alarma ACTIVADA / DESACTIVADA</translation>
    </message>
    <message>
        <source>Alarm sounding</source>
        <translation>La alarma suena</translation>
    </message>
    <message>
        <source>Alarm Time</source>
        <translation>Hora alarma</translation>
    </message>
    <message>
        <source>ALARM TIME</source>
        <translation>HORA DE ALARMA</translation>
    </message>
    <message>
        <source>Alarm Time - Adjusted for City</source>
        <translation>Hora de alarma: ajustada a la ciudad</translation>
    </message>
    <message>
        <source>All the Super Alarm minutes together must be fewer than 1440 (one day).  Try again!</source>
        <translation>Todos los minutos de la Súper alarma juntos deben ser menos de 1440 (un día).  ¡Inténtelo de nuevo!</translation>
    </message>
    <message>
        <source>Allow Auto Time Update</source>
        <translation>Permitir ajuste automático de hora</translation>
    </message>
    <message>
        <source>Allow Super Alarm</source>
        <translation>Permitir la Súper alarma</translation>
    </message>
    <message>
        <source>always on</source>
        <translation>siempre activada</translation>
    </message>
    <message>
        <source>An alarm clock for travellers</source>
        <translation>Un despertador para viajeros</translation>
    </message>
    <message>
        <source>An hour difference in %1 could not be used and is now 0.</source>
        <translation>Una diferencia horaria en %1 no se podía usar y ahora es 0.</translation>
    </message>
    <message>
        <source>Are you sure you want to Change This Setting?</source>
        <translation>¿Seguro que quiere cambiar este ajuste?</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumentos:</translation>
    </message>
    <message>
        <source>asked at the clock</source>
        <translation>preguntado en el reloj</translation>
    </message>
    <message>
        <source>Asking before the night ends</source>
        <translation>Pregunta antes de que termine la noche</translation>
    </message>
    <message>
        <source>Atomic Clock 12hr Time</source>
        <translation>Reloj atómico 12 h</translation>
    </message>
    <message>
        <source>Atomic Clock 24hr Time</source>
        <translation>Reloj atómico 24 h</translation>
    </message>
    <message>
        <source>Automatic time synchronization is enabled.</source>
        <translation>La sincronización automática de la hora está activada.</translation>
    </message>
    <message>
        <source>Automatically Runs when Windows Starts</source>
        <translation>Iniciar con la sesión</translation>
    </message>
    <message>
        <source>Battery %1</source>
        <translation>Batería %1</translation>
    </message>
    <message>
        <source>Battery ---</source>
        <translation>Batería ---</translation>
    </message>
    <message>
        <source>Before Work or Boarding Time </source>
        <translation>Antes del trabajo o embarque </translation>
    </message>
    <message>
        <source>cannot read the settings: %1</source>
        <translation>no se pueden leer los ajustes: %1</translation>
    </message>
    <message>
        <source>CD Music</source>
        <translation>Música de CD</translation>
    </message>
    <message>
        <source>CD Tracks</source>
        <translation>Pistas de CD</translation>
    </message>
    <message>
        <source>Change Task Bar Clock Size - Font</source>
        <translation>Tamaño del reloj de tareas: fuente</translation>
    </message>
    <message>
        <source>Choose the alarm&apos;s MIDI file</source>
        <translation>Elegir el archivo MIDI de la alarma</translation>
    </message>
    <message>
        <source>Choose the program to run at the alarm</source>
        <translation>Elegir el programa que se ejecuta con la alarma</translation>
    </message>
    <message>
        <source>Cities</source>
        <translation>Ciudades</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>City clock %1</source>
        <translation>Reloj de la ciudad %1</translation>
    </message>
    <message>
        <source>city: %1
alarm: %2
alarm on: %3
state: %4
next ring: %5</source>
        <translation>ciudad: %1
alarma: %2
alarma activada: %3
estado: %4
próximo aviso: %5</translation>
    </message>
    <message>
        <source>Click Below to ADD Web Radio to Music List</source>
        <translation>Pulse abajo para añadir radio web a la lista</translation>
    </message>
    <message>
        <source>Clock not set: fewer than two time servers answered quickly</source>
        <translation>Reloj sin ajustar: menos de dos servidores de hora respondieron rápido</translation>
    </message>
    <message>
        <source>Clock not set: the time servers did not agree</source>
        <translation>Reloj sin ajustar: los servidores de hora no coincidían</translation>
    </message>
    <message>
        <source>Clock running = blinks every second</source>
        <translation>Reloj en marcha = parpadea cada segundo</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>CERRAR</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Closing. GoodBy!</source>
        <translation>Cerrando. ¡Adiós!</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Créditos</translation>
    </message>
    <message>
        <source>Current City and Time Zone</source>
        <translation>Ciudad y zona horaria actuales</translation>
    </message>
    <message>
        <source>Current City and Time Zone
%1</source>
        <translation>Ciudad y zona horaria actuales
%1</translation>
    </message>
    <message>
        <source>Current Time</source>
        <translation>Hora actual</translation>
    </message>
    <message>
        <source>Days that Alarm can sound, Current day is underlined</source>
        <translation>Días en que puede sonar la alarma; el día actual está subrayado</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Depuración</translation>
    </message>
    <message>
        <source>Different Music each Super Alarm Time</source>
        <translation>Música distinta en cada paso de la Súper alarma</translation>
    </message>
    <message>
        <source>Do you want to Allow Computer to Shutdown?

  Allow Shutdown    Stop Shutdown</source>
        <translation>¿Quiere permitir que se apague el equipo?

  Permitir apagado    Detener apagado</translation>
    </message>
    <message>
        <source>Don&apos;t Adjust Volume (mute fix)</source>
        <translation>No ajustar el volumen (arreglo de silencio)</translation>
    </message>
    <message>
        <source>Don&apos;t say Hour After Sleep</source>
        <translation>No decir la hora tras acostarse</translation>
    </message>
    <message>
        <source>Don&apos;t Turn OFF Monitor during Sleep</source>
        <translation>No APAGAR el monitor al dormir</translation>
    </message>
    <message>
        <source>Dress</source>
        <translation>Vestirse</translation>
    </message>
    <message>
        <source>Drive to Work or Airport</source>
        <translation>Ir al trabajo o al aeropuerto</translation>
    </message>
    <message>
        <source>Eat or Misc.</source>
        <translation>Comer o varios</translation>
    </message>
    <message>
        <source>Enable Dual Alarm</source>
        <translation>Activar alarma doble</translation>
    </message>
    <message>
        <source>Enter a City               |       Enter Hours Difference from your Home City.</source>
        <translation>Escriba una ciudad               |       Escriba la diferencia horaria con su ciudad.</translation>
    </message>
    <message>
        <source>Enter City </source>
        <translation>Escriba la ciudad </translation>
    </message>
    <message>
        <source>Enter the City,  Ins, Del, and Tab at end will add a new row. </source>
        <translation>Escriba la ciudad; Insert, Supr y Tab al final añaden una fila. </translation>
    </message>
    <message>
        <source>Enter Time Change</source>
        <translation>Escriba la diferencia horaria</translation>
    </message>
    <message>
        <source>Enter Web Radio/TV Descriptions</source>
        <translation>Nombres de radio/TV web</translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation>Cuarto creciente</translation>
    </message>
    <message>
        <source>Flames</source>
        <translation>Llamas</translation>
    </message>
    <message>
        <source>Follow the desktop</source>
        <translation>Como el escritorio</translation>
    </message>
    <message>
        <source>For</source>
        <translation>Para</translation>
    </message>
    <message>
        <source>Fr </source>
        <translation>Vi </translation>
    </message>
    <message>
        <source>Free software: use it, share it, change it. No warranty.</source>
        <translation>Software libre: úselo, compártalo, modifíquelo. Sin garantía.</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Viernes</translation>
    </message>
    <message>
        <source>From Calculate Alarm Time</source>
        <translation>De «Calcular la hora de alarma»</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Luna llena</translation>
    </message>
    <message>
        <source>Get Airline Tickets</source>
        <translation>Recoger los billetes de avión</translation>
    </message>
    <message>
        <source>Get Out of Bed</source>
        <translation>Levantarse</translation>
    </message>
    <message>
        <source>Get Time</source>
        <translation>Obtener hora</translation>
    </message>
    <message>
        <source>Get Web Time Sync</source>
        <translation>Hora de la web</translation>
    </message>
    <message>
        <source>give one of --status, --snooze, --stop, --alarm and --set-alarm at a time.</source>
        <translation>indique solo uno de --status, --snooze, --stop, --alarm y --set-alarm a la vez.</translation>
    </message>
    <message>
        <source>Hours Diff</source>
        <translation>Dif. horas</translation>
    </message>
    <message>
        <source>Hours of sleep must be fewer than 24.  Try again!</source>
        <translation>Las horas de sueño deben ser menos de 24.  ¡Inténtelo de nuevo!</translation>
    </message>
    <message>
        <source>Hours Sleep, so get to bed by</source>
        <translation>h de sueño, a la cama a las</translation>
    </message>
    <message>
        <source>How Music is Played</source>
        <translation>Cómo se reproduce la música</translation>
    </message>
    <message>
        <source>Hr</source>
        <translation>h</translation>
    </message>
    <message>
        <source>idle</source>
        <translation>inactiva</translation>
    </message>
    <message>
        <source>In Order</source>
        <translation>En orden</translation>
    </message>
    <message>
        <source>Infinate</source>
        <translation>Infinito</translation>
    </message>
    <message>
        <source>Interactive authentication required.</source>
        <translation>Se requiere autenticación interactiva.</translation>
    </message>
    <message>
        <source>It is now %1, Time to %2!</source>
        <translation>Son las %1, hora de: %2.</translation>
    </message>
    <message>
        <source>It is now %1. %2.</source>
        <translation>Son las %1. %2.</translation>
    </message>
    <message numerus="yes">
        <source>It is now %1. %2. You have %n Minutes before you should %3.</source>
        <translation>
            <numerusform>Son las %1. %2. Le queda %n minuto antes de: %3.</numerusform>
            <numerusform>Son las %1. %2. Le quedan %n minutos antes de: %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep the settings and lists in FOLDER (made when missing). Default: the program&apos;s own folder when it holds Kelvaro.ini, else ~/.local/share/kelvaro.</source>
        <translation>Guardar los ajustes y las listas en FOLDER (se crea si falta). Predeterminado: la carpeta del programa si contiene Kelvaro.ini; si no, ~/.local/share/kelvaro.</translation>
    </message>
    <message>
        <source>Keeps the computer awake</source>
        <translation>Mantiene el equipo despierto</translation>
    </message>
    <message>
        <source>Keeps the computer awake for the alarm</source>
        <translation>Mantiene el equipo despierto para la alarma</translation>
    </message>
    <message>
        <source>Kelvaro City Clock</source>
        <translation>Reloj de ciudad Kelvaro</translation>
    </message>
    <message>
        <source>Kelvaro Clock</source>
        <translation>Kelvaro Clock</translation>
    </message>
    <message>
        <source>Kelvaro Clock Settings</source>
        <translation>Ajustes de Kelvaro Clock</translation>
    </message>
    <message>
        <source>Kelvaro Clock: an alarm clock for travellers that shows and rings at the time of the city you choose.</source>
        <translation>Kelvaro Clock: un despertador para viajeros que muestra la hora de la ciudad elegida y suena a esa hora.</translation>
    </message>
    <message>
        <source>Kelvaro Settings do not exist at that location</source>
        <translation>No hay ajustes de Kelvaro en esa ubicación</translation>
    </message>
    <message>
        <source>Kelvaro Settings Restored.</source>
        <translation>Ajustes de Kelvaro restaurados.</translation>
    </message>
    <message>
        <source>Kelvaro Settings Saved.</source>
        <translation>Ajustes de Kelvaro guardados.</translation>
    </message>
    <message>
        <source>kernel alarm timer</source>
        <translation>temporizador de alarma del núcleo</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Last quarter</source>
        <translation>Cuarto menguante</translation>
    </message>
    <message>
        <source>Last Time Synch</source>
        <translation>Último ajuste</translation>
    </message>
    <message>
        <source>Leave the Alarm Clock Running Every Day while on the web and it will check and</source>
        <translation>Deje el despertador en marcha cada día con conexión; comprobará y</translation>
    </message>
    <message>
        <source>Leave the House </source>
        <translation>Salir de casa </translation>
    </message>
    <message>
        <source>lit</source>
        <translation>encendido</translation>
    </message>
    <message>
        <source>Local Time:</source>
        <translation>Hora local:</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Bloquear</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>bloqueado</translation>
    </message>
    <message>
        <source>Made by the Kelvaro Clock developers</source>
        <translation>Hecho por los desarrolladores de Kelvaro Clock</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Maximum &apos;12&apos; hours</source>
        <translation>Máximo &apos;12&apos; horas</translation>
    </message>
    <message>
        <source>Maximum &apos;1439&apos; minutes in all</source>
        <translation>Máximo &apos;1439&apos; minutos en total</translation>
    </message>
    <message>
        <source>Maximum &apos;23&apos; hours</source>
        <translation>Máximo &apos;23&apos; horas</translation>
    </message>
    <message>
        <source>Maximum &apos;23&apos; hours sleep</source>
        <translation>Máximo &apos;23&apos; horas de sueño</translation>
    </message>
    <message>
        <source>Maximum &apos;59&apos; minutes</source>
        <translation>Máximo &apos;59&apos; minutos</translation>
    </message>
    <message>
        <source>Maximum &apos;59&apos; minutes!</source>
        <translation>¡Máximo &apos;59&apos; minutos!</translation>
    </message>
    <message>
        <source>Maximum &apos;9999&apos; Seconds</source>
        <translation>Máximo &apos;9999&apos; segundos</translation>
    </message>
    <message>
        <source>Maximum hours in a day are 23.  Try again!</source>
        <translation>Un día tiene como máximo 23 horas.  ¡Inténtelo de nuevo!</translation>
    </message>
    <message>
        <source>Maximum hours in a day is 23.  Try again!</source>
        <translation>El día tiene como máximo 23 horas.  ¡Inténtelo de nuevo!</translation>
    </message>
    <message>
        <source>Maximum hours is 12.  Try again!</source>
        <translation>Como máximo 12 horas.  ¡Inténtelo de nuevo!</translation>
    </message>
    <message>
        <source>Maximum minutes in an hour are 59.  Try again!</source>
        <translation>Una hora tiene como máximo 59 minutos.  ¡Inténtelo de nuevo!</translation>
    </message>
    <message>
        <source>Maximum number of minutes in an hour are 59.  Try again!</source>
        <translation>Como máximo 59 minutos por hora.  ¡Inténtelo de nuevo!</translation>
    </message>
    <message>
        <source>Maximum number of Seconds are 9999.  Try again!</source>
        <translation>Como máximo 9999 segundos.  ¡Inténtelo de nuevo!</translation>
    </message>
    <message>
        <source>MI&amp;DI</source>
        <translation>MI&amp;DI</translation>
    </message>
    <message>
        <source>MIDI</source>
        <translation>MIDI</translation>
    </message>
    <message>
        <source>MIDI Music</source>
        <translation>Música MIDI</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>minimize or close.</source>
        <translation>minimizar o cerrar.</translation>
    </message>
    <message>
        <source>minimized.</source>
        <translation>minimizado.</translation>
    </message>
    <message>
        <source>minutes late</source>
        <translation>minutos tarde</translation>
    </message>
    <message>
        <source>Missed alarm</source>
        <translation>Alarma perdida</translation>
    </message>
    <message>
        <source>Mo </source>
        <translation>Lu </translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>Moon phase</source>
        <translation>Fase lunar</translation>
    </message>
    <message>
        <source>Moon picture:</source>
        <translation>Imagen de la Luna:</translation>
    </message>
    <message>
        <source>MP3 and Wave Music</source>
        <translation>Música MP3 y Wave</translation>
    </message>
    <message>
        <source>Music Device for Alarm</source>
        <translation>Fuente de música de la alarma</translation>
    </message>
    <message>
        <source>Music Titles</source>
        <translation>Títulos de música</translation>
    </message>
    <message>
        <source>Must be on the Web To Set Time to the Atomic Clock!</source>
        <translation>¡Hay que estar conectado para ajustar la hora al reloj atómico!</translation>
    </message>
    <message>
        <source>New moon</source>
        <translation>Luna nueva</translation>
    </message>
    <message>
        <source>Night screen</source>
        <translation>Pantalla nocturna</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>no alarm in progress</source>
        <translation>ninguna alarma en curso</translation>
    </message>
    <message>
        <source>No alarm is set for the next days: switch the alarm and its days on.</source>
        <translation>No hay alarma para los próximos días: active la alarma y sus días.</translation>
    </message>
    <message>
        <source>No clock service is available.</source>
        <translation>No hay ningún servicio de reloj disponible.</translation>
    </message>
    <message>
        <source>no running Kelvaro Clock to ask</source>
        <translation>no hay ningún Kelvaro Clock en marcha al que preguntar</translation>
    </message>
    <message>
        <source>no running Kelvaro Clock to ask (no private folder for its socket)</source>
        <translation>ningún Kelvaro Clock en ejecución al que preguntar (no hay carpeta privada para su socket)</translation>
    </message>
    <message>
        <source>No sound output was found: start the sound server or connect speakers.</source>
        <translation>No se encontró salida de sonido: inicie el servidor de sonido o conecte altavoces.</translation>
    </message>
    <message>
        <source>No update site (an https:// address) is set</source>
        <translation>No hay sitio de actualización (dirección https://)</translation>
    </message>
    <message>
        <source>No Zone</source>
        <translation>Sin zona</translation>
    </message>
    <message>
        <source>No zone: the typed
hour difference
is used.</source>
        <translation>Sin zona: se usa la
diferencia horaria
escrita.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Not a valid C D Track. Try Again!</source>
        <translation>Pista de CD no válida. ¡Inténtelo de nuevo!</translation>
    </message>
    <message>
        <source>Not a valid CD Track, Try Again!</source>
        <translation>Pista de CD no válida, ¡inténtelo de nuevo!</translation>
    </message>
    <message>
        <source>Not a valid Program, Try Again!</source>
        <translation>Programa no válido, ¡inténtelo de nuevo!</translation>
    </message>
    <message>
        <source>Not a valid Sound File, Try Again!</source>
        <translation>Archivo de sonido no válido, ¡inténtelo de nuevo!</translation>
    </message>
    <message>
        <source>not lit</source>
        <translation>apagado</translation>
    </message>
    <message>
        <source>not running</source>
        <translation>no está en marcha</translation>
    </message>
    <message>
        <source>Note: You can press Alt-S or Alt-M to hide the Alarm Clock.      

                    Minimize                Close</source>
        <translation>Nota: Alt-S o Alt-M ocultan el despertador.      

                    Minimizar                Cerrar</translation>
    </message>
    <message>
        <source>Now Plus Time</source>
        <translation>Ahora más este tiempo</translation>
    </message>
    <message>
        <source>Now+</source>
        <translation>Ya+</translation>
    </message>
    <message>
        <source>OF&amp;F</source>
        <translation>&amp;DESACTIVADA</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desactivada</translation>
    </message>
    <message>
        <source>off after %1 min</source>
        <translation>apagar tras %1 min</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>OK, but remember, I warned you.</source>
        <translation>De acuerdo, pero ya le avisé.</translation>
    </message>
    <message>
        <source>On Line = Green</source>
        <translation>En línea = verde</translation>
    </message>
    <message>
        <source>Only %1 or %2 accepted as input</source>
        <translation>Solo se admite %1 o %2</translation>
    </message>
    <message>
        <source>Only A M or P M accepted as input!</source>
        <translation>¡Solo se admite A M o P M!</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Pass Customs</source>
        <translation>Pasar la aduana</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>Permiso denegado.</translation>
    </message>
    <message>
        <source>Please plug in power before going to sleep.</source>
        <translation>Conecte la alimentación antes de irse a dormir.</translation>
    </message>
    <message>
        <source>Print the chosen city, the alarm time, whether the alarm is on, its state and the next ring (ISO 8601 local time, or &quot;off&quot;), from the running clock or, with none running, from the settings.</source>
        <translation>Muestra la ciudad elegida, la hora de alarma, si la alarma está activada, su estado y el próximo aviso (hora local ISO 8601, u «off»), del reloj en marcha o, si no hay ninguno, de los ajustes.</translation>
    </message>
    <message>
        <source>Program of your Choice</source>
        <translation>Programa de su elección</translation>
    </message>
    <message>
        <source>Program Parameters</source>
        <translation>Parámetros del programa</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programas</translation>
    </message>
    <message>
        <source>Reach the alarm volume over</source>
        <translation>Alcanzar el volumen de alarma en</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>rechazado</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Restore Settings from Disk</source>
        <translation>Restaurar los ajustes</translation>
    </message>
    <message>
        <source>Return Car Rental</source>
        <translation>Devolver el coche de alquiler</translation>
    </message>
    <message>
        <source>S&amp;undays have seperate Alarm Time</source>
        <translation>Hora de alarma propia el &amp;domingo</translation>
    </message>
    <message>
        <source>Sa </source>
        <translation>Sá </translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>Save as Default</source>
        <translation>Predeterminar</translation>
    </message>
    <message>
        <source>Save it Anywhere</source>
        <translation>En cualquier lugar</translation>
    </message>
    <message>
        <source>Save Settings to Disk</source>
        <translation>Guardar los ajustes</translation>
    </message>
    <message>
        <source>Say Alarm Time</source>
        <translation>Decir la hora de alarma</translation>
    </message>
    <message>
        <source>Say Current Time</source>
        <translation>Decir la hora actual</translation>
    </message>
    <message>
        <source>Say Hour Every Hour</source>
        <translation>Decir la hora cada hora</translation>
    </message>
    <message>
        <source>seconds (0 = at once)</source>
        <translation>segundos (0 = al instante)</translation>
    </message>
    <message>
        <source>Set &amp;Super Alarm</source>
        <translation>Ajustar la &amp;Súper alarma</translation>
    </message>
    <message>
        <source>Set Alarm</source>
        <translation>Ajustar alarma</translation>
    </message>
    <message>
        <source>Set Alarm time then Double Click This to Set Sunday Alarm for this City</source>
        <translation>Ajuste la hora de alarma y haga doble clic aquí para fijar la alarma del domingo de esta ciudad</translation>
    </message>
    <message>
        <source>Set Super Alarm</source>
        <translation>Ajustar la Súper alarma</translation>
    </message>
    <message>
        <source>Set Super Alarm Time</source>
        <translation>Súper alarma</translation>
    </message>
    <message>
        <source>Set the running clock&apos;s alarm time (24-hour).</source>
        <translation>Fijar la hora de alarma del reloj en marcha (24 horas).</translation>
    </message>
    <message>
        <source>Set Time</source>
        <translation>Ajustar hora</translation>
    </message>
    <message>
        <source>Sets the wake-up for the next alarm</source>
        <translation>Programa el despertar del equipo para la próxima alarma</translation>
    </message>
    <message>
        <source>Setting changed.</source>
        <translation>Ajuste cambiado.</translation>
    </message>
    <message>
        <source>Setting not changed.</source>
        <translation>Ajuste sin cambios.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Show City Time in Task Bar Clock</source>
        <translation>Hora de la ciudad en el reloj de tareas</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostrar la versión y salir.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ayuda y salir.</translation>
    </message>
    <message>
        <source>Shower</source>
        <translation>Ducharse</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>Aleatorio</translation>
    </message>
    <message>
        <source>silenced</source>
        <translation>silenciada</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>Dormir</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Posponer</translation>
    </message>
    <message>
        <source>Snooze after %1 min</source>
        <translation>Posponer tras %1 min</translation>
    </message>
    <message>
        <source>Snooze after (min)</source>
        <translation>Posponer tras (min)</translation>
    </message>
    <message>
        <source>Snooze Enabled</source>
        <translation>Posponer activado</translation>
    </message>
    <message>
        <source>Snooze min</source>
        <translation>min posp.</translation>
    </message>
    <message>
        <source>Snooze the running clock&apos;s alarm, as a key does.</source>
        <translation>Posponer la alarma del reloj en marcha, como una tecla.</translation>
    </message>
    <message>
        <source>snoozing</source>
        <translation>pospuesta</translation>
    </message>
    <message>
        <source>Snoozing = Blue</source>
        <translation>Pospuesta = azul</translation>
    </message>
    <message>
        <source>Snoozing for %1 min</source>
        <translation>Pospuesta %1 min</translation>
    </message>
    <message>
        <source>snoozing until %1</source>
        <translation>pospuesta hasta las %1</translation>
    </message>
    <message>
        <source>SORT</source>
        <translation>ORDENAR</translation>
    </message>
    <message>
        <source>Sound a missed alarm when at most</source>
        <translation>Sonar alarma perdida si como máximo</translation>
    </message>
    <message>
        <source>sounding</source>
        <translation>sonando</translation>
    </message>
    <message>
        <source>Speak During Alarm</source>
        <translation>Hablar durante la alarma</translation>
    </message>
    <message>
        <source>Start minimised (as the start with the session does).</source>
        <translation>Iniciar minimizado (como al iniciar con la sesión).</translation>
    </message>
    <message>
        <source>Start Work or Boarding Time </source>
        <translation>Inicio del trabajo o embarque </translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Stop Alarm</source>
        <translation>Detener alarma</translation>
    </message>
    <message>
        <source>Stop Alarm Sound until next alarm</source>
        <translation>Detener el sonido hasta la próxima alarma</translation>
    </message>
    <message>
        <source>Stop Hibernate and Stand-by</source>
        <translation>Impedir hibernación y suspensión</translation>
    </message>
    <message>
        <source>Stop the running clock&apos;s alarm, as &quot;Stop Alarm&quot; does.</source>
        <translation>Detener la alarma del reloj en marcha, como «Detener alarma».</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>detenida</translation>
    </message>
    <message>
        <source>Su </source>
        <translation>Do </translation>
    </message>
    <message>
        <source>Su Mo Tu We Th Fr Sa</source>
        <translation>Do Lu Ma Mi Ju Vi Sá</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
    <message>
        <source>Super Alarm Not Set</source>
        <translation>Súper alarma sin ajustar</translation>
    </message>
    <message>
        <source>Super Alarm step %1</source>
        <translation>Paso %1 de la Súper alarma</translation>
    </message>
    <message>
        <source>Super Alarm Times</source>
        <translation>Pasos de la Súper alarma</translation>
    </message>
    <message>
        <source>Switch the running clock&apos;s alarm on or off.</source>
        <translation>Activar o desactivar la alarma del reloj en marcha.</translation>
    </message>
    <message>
        <source>System &amp;Ding</source>
        <translation>&amp;Ding del sistema</translation>
    </message>
    <message>
        <source>System Ding</source>
        <translation>Ding del sistema</translation>
    </message>
    <message>
        <source>system timer</source>
        <translation>temporizador del sistema</translation>
    </message>
    <message>
        <source>Test Alarm Sound</source>
        <translation>Probar el sonido de la alarma</translation>
    </message>
    <message>
        <source>Test Volume</source>
        <translation>Probar volumen</translation>
    </message>
    <message>
        <source>Th </source>
        <translation>Ju </translation>
    </message>
    <message>
        <source>The alarm could not play %1, so it sounds %2 this time. Your choice of sound stays as it is.</source>
        <translation>La alarma no pudo reproducir %1, así que esta vez suena %2. Su elección de sonido no cambia.</translation>
    </message>
    <message>
        <source>The alarm due at %1 sounds late: Kelvaro Clock was not running then.</source>
        <translation>La alarma de las %1 suena tarde: Kelvaro Clock no estaba en marcha entonces.</translation>
    </message>
    <message>
        <source>The alarm due at %1 sounds late: the computer was asleep or its clock was set forward.</source>
        <translation>La alarma de las %1 suena tarde: el equipo estaba en reposo o su reloj se adelantó.</translation>
    </message>
    <message>
        <source>The alarm due at %1 was missed and stays silent: it is more than %2 minutes late.</source>
        <translation>La alarma de las %1 se perdió y queda en silencio: lleva más de %2 minutos de retraso.</translation>
    </message>
    <message>
        <source>The alarm is on</source>
        <translation>La alarma está activada</translation>
    </message>
    <message>
        <source>The alarm will NOT ring.</source>
        <translation>La alarma NO sonará.</translation>
    </message>
    <message>
        <source>The alarm will ring.</source>
        <translation>La alarma sonará.</translation>
    </message>
    <message>
        <source>The battery lasts past the alarm.</source>
        <translation>La batería dura más allá de la alarma.</translation>
    </message>
    <message>
        <source>The battery will run down before the alarm at %1: plug in the power.</source>
        <translation>La batería se agotará antes de la alarma de las %1: conecte la alimentación.</translation>
    </message>
    <message>
        <source>the CD</source>
        <translation>el CD</translation>
    </message>
    <message>
        <source>The CD drive does not answer; the alarm falls back to the ding.</source>
        <translation>La unidad de CD no responde; la alarma usa el ding.</translation>
    </message>
    <message>
        <source>the chosen sound</source>
        <translation>el sonido elegido</translation>
    </message>
    <message>
        <source>The clock service did not answer in time.</source>
        <translation>El servicio de reloj no respondió a tiempo.</translation>
    </message>
    <message>
        <source>The clock speaks the chosen language from its next start.</source>
        <translation>El reloj usará el idioma elegido desde su próximo inicio.</translation>
    </message>
    <message>
        <source>the clock&apos;s socket belongs to another user: nothing was sent</source>
        <translation>el socket del reloj pertenece a otro usuario: no se envió nada</translation>
    </message>
    <message>
        <source>The computer is kept awake for the alarm; do not close the lid, which sends it to sleep anyway.</source>
        <translation>El equipo se mantiene despierto para la alarma; no cierre la tapa, que lo suspende de todos modos.</translation>
    </message>
    <message>
        <source>The computer runs on battery and its time left is unknown: plug in the power.</source>
        <translation>El equipo funciona con batería y su autonomía es desconocida: conecte la alimentación.</translation>
    </message>
    <message>
        <source>The computer runs on mains power.</source>
        <translation>El equipo funciona con corriente.</translation>
    </message>
    <message>
        <source>The computer will not wake for the alarm</source>
        <translation>El equipo no despertará para la alarma</translation>
    </message>
    <message>
        <source>The computer will not wake up for the alarm. To let it wake, install the program&apos;s package (its wake helper may set the kernel&apos;s alarm timer), run it where systemd allows wake-up timers, or check &quot;Stop Hibernate and Stand-by&quot; so that the computer stays awake.</source>
        <translation>El equipo no despertará para la alarma. Para que despierte, instale el paquete del programa (su ayudante puede fijar el temporizador del núcleo), ejecútelo donde systemd permita temporizadores de activación, o marque «Impedir hibernación y suspensión» para que siga despierto.</translation>
    </message>
    <message>
        <source>The computer will not wake up for the alarm: check &quot;Stop Hibernate and Stand-by&quot;, or install the program&apos;s package so that its wake helper can wake the computer.</source>
        <translation>El equipo no despertará para la alarma: marque «Impedir hibernación y suspensión» o instale el paquete del programa para que su ayudante pueda despertar el equipo.</translation>
    </message>
    <message>
        <source>the folder option is written --dir.</source>
        <translation>la opción de carpeta se escribe --dir.</translation>
    </message>
    <message>
        <source>The media file %1 is missing; the alarm falls back to the ding.</source>
        <translation>Falta el archivo multimedia %1; la alarma usa el ding.</translation>
    </message>
    <message>
        <source>the MIDI file</source>
        <translation>el archivo MIDI</translation>
    </message>
    <message>
        <source>The MIDI file %1 is missing; the alarm falls back to the ding.</source>
        <translation>Falta el archivo MIDI %1; la alarma usa el ding.</translation>
    </message>
    <message>
        <source>the music file</source>
        <translation>el archivo de música</translation>
    </message>
    <message>
        <source>The program %1 cannot be started: choose another sound source.</source>
        <translation>El programa %1 no se puede iniciar: elija otra fuente de sonido.</translation>
    </message>
    <message>
        <source>the running clock did not answer</source>
        <translation>el reloj en ejecución no respondió</translation>
    </message>
    <message>
        <source>the running clock&apos;s answer could not be read</source>
        <translation>no se pudo leer la respuesta del reloj en marcha</translation>
    </message>
    <message>
        <source>The selected city keeps its typed hour difference</source>
        <translation>La ciudad elegida conserva su diferencia escrita</translation>
    </message>
    <message>
        <source>The snooze that ended at %1 sounds late: Kelvaro Clock was not running then.</source>
        <translation>La espera que terminó a las %1 suena tarde: Kelvaro Clock no estaba en marcha entonces.</translation>
    </message>
    <message>
        <source>The snooze that ended at %1 sounds late: the computer was asleep or its clock was set forward.</source>
        <translation>La espera que terminó a las %1 suena tarde: el equipo estaba en reposo o su reloj se adelantó.</translation>
    </message>
    <message>
        <source>The snooze that ended at %1 was missed and stays silent: it is more than %2 minutes late.</source>
        <translation>La espera que terminó a las %1 se perdió y queda en silencio: lleva más de %2 minutos de retraso.</translation>
    </message>
    <message>
        <source>The sound output does not answer: restart the sound server.</source>
        <translation>La salida de sonido no responde: reinicie el servidor de sonido.</translation>
    </message>
    <message>
        <source>The sound output is muted: turn the master volume up.</source>
        <translation>La salida de sonido está silenciada: suba el volumen general.</translation>
    </message>
    <message>
        <source>The sound output is ready.</source>
        <translation>La salida de sonido está lista.</translation>
    </message>
    <message>
        <source>The sound source is ready.</source>
        <translation>La fuente de sonido está lista.</translation>
    </message>
    <message>
        <source>The system clock could not be set.</source>
        <translation>No se pudo ajustar el reloj del sistema.</translation>
    </message>
    <message>
        <source>The system clock could not be set.
%1</source>
        <translation>No se pudo ajustar el reloj del sistema.
%1</translation>
    </message>
    <message>
        <source>the system ding</source>
        <translation>el ding del sistema</translation>
    </message>
    <message>
        <source>The time zone of the selected city</source>
        <translation>La zona horaria de la ciudad elegida</translation>
    </message>
    <message>
        <source>the web stream</source>
        <translation>la emisión web</translation>
    </message>
    <message>
        <source>The zone in the box becomes the selected city&apos;s</source>
        <translation>La zona del cuadro pasa a ser la de la ciudad elegida</translation>
    </message>
    <message>
        <source>There is no disc in the drive; the alarm falls back to the ding.</source>
        <translation>No hay disco en la unidad; la alarma usa el ding.</translation>
    </message>
    <message>
        <source>This desktop does not let a program keep a small clock above the windows, so the city time is shown in the tray icon&apos;s tip instead (where there is a tray).</source>
        <translation>Este escritorio no permite mantener un reloj pequeño sobre las ventanas, así que la hora de la ciudad se muestra en la pista del icono de la bandeja (donde hay bandeja).</translation>
    </message>
    <message>
        <source>This desktop has no tray, so the clock has no icon there: minimised, it stays in the taskbar or dock, and starting Kelvaro Clock again brings it back.</source>
        <translation>Este escritorio no tiene bandeja del sistema, así que el reloj no tiene icono allí: minimizado, queda en la barra de tareas o el dock, y volver a iniciar Kelvaro Clock lo trae de vuelta.</translation>
    </message>
    <message>
        <source>This file name holds a line break or a bell character, which the music list cannot keep. Rename the file and try again.</source>
        <translation>Este nombre de archivo contiene un salto de línea o un carácter de campana que la lista de música no puede guardar. Cambie el nombre del archivo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jueves</translation>
    </message>
    <message>
        <source>Time Server</source>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>Time zone of the city:</source>
        <translation>Zona horaria de la ciudad:</translation>
    </message>
    <message>
        <source>To ADD a new row - Press Insert.</source>
        <translation>Añadir una fila: pulse Insert.</translation>
    </message>
    <message>
        <source>To DELETE a row - Press Del on the row you want to delete.</source>
        <translation>BORRAR una fila: pulse Supr en esa fila.</translation>
    </message>
    <message>
        <source>Todays Alarm is left off.</source>
        <translation>La alarma de hoy sigue desactivada.</translation>
    </message>
    <message>
        <source>Todays Alarm is now awn.</source>
        <translation>La alarma de hoy está ahora activada.</translation>
    </message>
    <message>
        <source>tomorrows Alarm is left off.</source>
        <translation>La alarma de mañana sigue desactivada.</translation>
    </message>
    <message>
        <source>tomorrows Alarm is now set awn.</source>
        <translation>La alarma de mañana está ahora activada.</translation>
    </message>
    <message>
        <source>Try &apos;kelvaro --help&apos; for more information.</source>
        <translation>Pruebe &apos;kelvaro --help&apos; para más información.</translation>
    </message>
    <message>
        <source>Tu </source>
        <translation>Ma </translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Martes</translation>
    </message>
    <message>
        <source>Turn Music OFF after (min)</source>
        <translation>Apagar música tras (min)</translation>
    </message>
    <message>
        <source>Turn OFF Alarm after Alarm (Alarm Once)</source>
        <translation>Desactivar tras sonar (alarma única)</translation>
    </message>
    <message>
        <source>Turn OFF the alarm program</source>
        <translation>Cerrar el programa de alarma</translation>
    </message>
    <message>
        <source>Type a city to find its time zone, then pick it from the list</source>
        <translation>Escriba una ciudad para hallar su zona horaria y elíjala de la lista</translation>
    </message>
    <message>
        <source>Unable to get Web time, try another Time Server</source>
        <translation>Sin hora de la web, pruebe otro servidor</translation>
    </message>
    <message>
        <source>Unable to get Web time. select another Time Server!</source>
        <translation>No se pudo obtener la hora de la web. ¡Elija otro servidor de hora!</translation>
    </message>
    <message>
        <source>Unable to save Settins, maybe try another Floppy.</source>
        <translation>No se pudieron guardar los ajustes; pruebe quizá con otro disquete.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos; (the only word taken is &apos;auto&apos;).</source>
        <translation>argumento inesperado &apos;%1&apos; (la única palabra admitida es &apos;auto&apos;).</translation>
    </message>
    <message>
        <source>unknown request</source>
        <translation>petición desconocida</translation>
    </message>
    <message>
        <source>Update Music List</source>
        <translation>Guardar la lista</translation>
    </message>
    <message>
        <source>update your system clock automatically every day. </source>
        <translation>actualizará el reloj del sistema cada día. </translation>
    </message>
    <message>
        <source>Updated = Green</source>
        <translation>Actualizado = verde</translation>
    </message>
    <message>
        <source>Usage: </source>
        <translation>Uso: </translation>
    </message>
    <message>
        <source>Use Defaults</source>
        <translation>Predeterminados</translation>
    </message>
    <message>
        <source>Use Zone</source>
        <translation>Usar zona</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Volume Test = Green</source>
        <translation>Prueba de volumen = verde</translation>
    </message>
    <message>
        <source>wake helper</source>
        <translation>asistente de activación</translation>
    </message>
    <message>
        <source>Wakes the computer for the alarm (%1)</source>
        <translation>Despierta el equipo para la alarma (%1)</translation>
    </message>
    <message>
        <source>Wakes the computer: %1</source>
        <translation>Despierta el equipo: %1</translation>
    </message>
    <message>
        <source>WakeUp
Shower
Dress
Eat
Drive</source>
        <translation>Arriba
Ducha
Vestir
Comer
Ir</translation>
    </message>
    <message>
        <source>Waning crescent</source>
        <translation>Luna menguante</translation>
    </message>
    <message>
        <source>Waning gibbous</source>
        <translation>Gibosa menguante</translation>
    </message>
    <message>
        <source>Warn if Battery is below 5%</source>
        <translation>Avisar si la batería baja del 5%</translation>
    </message>
    <message>
        <source>Warn if Changing Settings</source>
        <translation>Avisar al cambiar ajustes</translation>
    </message>
    <message>
        <source>WARNING LOW BATTERY</source>
        <translation>AVISO: BATERÍA BAJA</translation>
    </message>
    <message>
        <source>Waxing crescent</source>
        <translation>Luna creciente</translation>
    </message>
    <message>
        <source>Waxing gibbous</source>
        <translation>Gibosa creciente</translation>
    </message>
    <message>
        <source>We </source>
        <translation>Mi </translation>
    </message>
    <message>
        <source>Web Radio Music</source>
        <translation>Música de radio web</translation>
    </message>
    <message>
        <source>Web Radio/TV</source>
        <translation>Radio/TV web</translation>
    </message>
    <message>
        <source>Web Radio/TV Links</source>
        <translation>Enlaces de radio/TV web</translation>
    </message>
    <message>
        <source>Web Time:</source>
        <translation>Hora web:</translation>
    </message>
    <message>
        <source>WebRadio</source>
        <translation>Radio web</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Miércoles</translation>
    </message>
    <message>
        <source>Week &amp;Days Only</source>
        <translation>Solo días &amp;laborables</translation>
    </message>
    <message>
        <source>Week&amp;ends Only</source>
        <translation>Solo fines de &amp;semana</translation>
    </message>
    <message>
        <source>Whole CD</source>
        <translation>CD completo</translation>
    </message>
    <message>
        <source>Will not wake the computer</source>
        <translation>No despierta el equipo</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>You are running on BATTERY power!  The battery may run down while you are sleeping.</source>
        <translation>¡Está funcionando con BATERÍA!  Podría agotarse mientras duerme.</translation>
    </message>
    <message>
        <source>You have turned your alarm awwn.  It will play %1 at %2.</source>
        <translation>Ha activado su alarma.  Sonará %1 a las %2.</translation>
    </message>
    <message>
        <source>You have turned your alarm off. It will be silent.</source>
        <translation>Ha desactivado su alarma. Quedará en silencio.</translation>
    </message>
    <message>
        <source>You have turned your alarm on.  It will play %1 at %2.</source>
        <translation>Ha activado su alarma.  Sonará %1 a las %2.</translation>
    </message>
    <message>
        <source>You Must be on the Web To Set Time to the Atomic Clock!</source>
        <translation>¡Debe estar conectado para ajustar la hora al reloj atómico!</translation>
    </message>
    <message>
        <source>~&amp;Run Your Program</source>
        <translation>~&amp;Su programa</translation>
    </message>
</context>
</TS>
