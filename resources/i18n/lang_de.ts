<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>MainWindow</name>
    <message>
        <source>Belt inner radius</source>
        <translation>Innerer Radius</translation>
    </message>
    <message>
        <source>Belt name</source>
        <translation>Objektname</translation>
    </message>
    <message>
        <source>Belt outer radius</source>
        <translation>Äusserer Radius</translation>
    </message>
    <message>
        <source>Center object</source>
        <translation>Zentralobjekt</translation>
    </message>
    <message>
        <source>Earth mass</source>
        <translation>Erdmassen</translation>
    </message>
    <message>
        <source>Epoch</source>
        <translation>Epoche</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Generiere</translation>
    </message>
    <message>
        <source>Generating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is the center object a barycenter?</source>
        <translation>Ist das Zentralobjekt ein Barycenter?</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Load preset</source>
        <translation>Voreinstellungen</translation>
    </message>
    <message>
        <source>Max eccentricity</source>
        <translation>Maximale Exzentrizität</translation>
    </message>
    <message>
        <source>Max inclination</source>
        <translation>Maximale Inklination</translation>
    </message>
    <message>
        <source>Max radius</source>
        <translation>Maximaler Radius</translation>
    </message>
    <message>
        <source>Min eccentricity</source>
        <translation>Minimale Exzentrizität</translation>
    </message>
    <message>
        <source>Min radius</source>
        <translation>Minimaler Radius</translation>
    </message>
    <message>
        <source>Name of asteroids - a serial number is appended</source>
        <translation>Objektname - Eine laufende Nummer wird angefügt</translation>
    </message>
    <message>
        <source>Number of objects</source>
        <translation>Anzahl der Objekte</translation>
    </message>
    <message>
        <source>Positive and negative bounds</source>
        <translation>Positive und Negative Grenzen</translation>
    </message>
    <message>
        <source>Python version and enhancements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Reference plane</source>
        <translation>Referenze Ebene</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solar mass</source>
        <translation>Sonnenmassen</translation>
    </message>
    <message>
        <source>Total mass</source>
        <translation>Totale Masse</translation>
    </message>
    <message>
        <source>Total mass of main objects. An approximate value is sufficient</source>
        <translation>Totale Masse der Hauptobjekte des Systems. Ein angenäherter Wert ist ausreichend</translation>
    </message>
    <message>
        <source>Type of object</source>
        <translation>Objekttyp</translation>
    </message>
    <message>
        <source>original Batch version</source>
        <translation>Originale Batch Version</translation>
    </message>
    <message>
        <source>Seed: %1</source>
        <translation>Startwert: %1</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Belt Preview and Seed…</source>
        <translation>Gürtelvorschau und Startwert…</translation>
    </message>
    <message>
        <source>The belt preview holds no valid seed. Enter a seed from 0 to 4294967295 there, or close the preview to draw a new seed for each run.</source>
        <translation>Die Gürtelvorschau enthält keinen gültigen Startwert. Geben Sie dort einen Startwert von 0 bis 4294967295 ein, oder schliessen Sie die Vorschau, damit jeder Lauf einen neuen Startwert zieht.</translation>
    </message>
    <message>
        <source>No seed could be drawn from the system's random source, so no belt was generated. Enter a seed in the belt preview (%1) to generate one.</source>
        <translation>Aus der Zufallsquelle des Systems konnte kein Startwert gezogen werden, daher wurde kein Gürtel generiert. Geben Sie in der Gürtelvorschau (%1) einen Startwert ein, um einen zu generieren.</translation>
    </message>
</context>
<context>
    <name>BeltPlot</name>
    <message>
        <source>Seen from above</source>
        <translation>Von oben gesehen</translation>
    </message>
    <message>
        <source>Seen edge-on</source>
        <translation>Von der Kante gesehen</translation>
    </message>
    <message>
        <source>x (AU)</source>
        <translation>x (AU)</translation>
    </message>
    <message>
        <source>y (AU)</source>
        <translation>y (AU)</translation>
    </message>
    <message>
        <source>z (AU)</source>
        <translation>z (AU)</translation>
    </message>
    <message>
        <source>Eccentricity</source>
        <translation>Exzentrizität</translation>
    </message>
    <message>
        <source>Inclination</source>
        <translation>Inklination</translation>
    </message>
    <message>
        <source>semi-major axis (AU)</source>
        <translation>grosse Halbachse (AU)</translation>
    </message>
    <message>
        <source>eccentricity</source>
        <translation>Exzentrizität</translation>
    </message>
    <message>
        <source>inclination (°)</source>
        <translation>Inklination (°)</translation>
    </message>
    <message>
        <source>%1 bodies, %2 of them binary</source>
        <translation>%1 Objekte, davon %2 Doppelobjekte</translation>
    </message>
    <message>
        <source>single bodies</source>
        <translation>Einzelobjekte</translation>
    </message>
    <message>
        <source>binary bodies</source>
        <translation>Doppelobjekte</translation>
    </message>
    <message>
        <source>central object</source>
        <translation>Zentralobjekt</translation>
    </message>
    <message>
        <source>central object (%1)</source>
        <translation>Zentralobjekt (%1)</translation>
    </message>
    <message>
        <source>Too many bodies to mark one by one: the deeper the colour, the more bodies there; the more orange, the more of them binary.</source>
        <translation>Zu viele Objekte, um jedes einzeln zu markieren: Je kräftiger die Farbe, desto mehr Objekte liegen dort; je oranger, desto mehr davon sind Doppelobjekte.</translation>
    </message>
</context>
<context>
    <name>PreviewWindow</name>
    <message>
        <source>No seed could be drawn from the system's random source. Enter a seed from 0 to 4294967295 instead.</source>
        <translation>Aus der Zufallsquelle des Systems konnte kein Startwert gezogen werden. Geben Sie stattdessen einen Startwert von 0 bis 4294967295 ein.</translation>
    </message>
    <message>
        <source>Belt Preview</source>
        <translation>Gürtelvorschau</translation>
    </message>
    <message>
        <source>&amp;Seed:</source>
        <translation>&amp;Startwert:</translation>
    </message>
    <message>
        <source>A whole number from 0 to 4294967295. The same settings and seed always give the same belt.</source>
        <translation>Eine ganze Zahl von 0 bis 4294967295. Dieselben Einstellungen und derselbe Startwert ergeben immer denselben Gürtel.</translation>
    </message>
    <message>
        <source>&amp;New Seed</source>
        <translation>&amp;Neuer Startwert</translation>
    </message>
    <message>
        <source>Draw a new seed from the system's random source</source>
        <translation>Einen neuen Startwert aus der Zufallsquelle des Systems ziehen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy the seed to the clipboard</source>
        <translation>Den Startwert in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>This is the belt that Generate writes: while this window is open, Generate uses this seed. Once it is closed, every run draws a new seed.</source>
        <translation>Dies ist der Gürtel, den „Generiere“ schreibt: Solange dieses Fenster offen ist, verwendet „Generiere“ diesen Startwert. Ist es geschlossen, zieht jeder Lauf einen neuen Startwert.</translation>
    </message>
    <message>
        <source>Enter a seed from 0 to 4294967295 to see the belt.</source>
        <translation>Geben Sie einen Startwert von 0 bis 4294967295 ein, um den Gürtel zu sehen.</translation>
    </message>
    <message>
        <source>Drawing the belt…</source>
        <translation>Der Gürtel wird gezeichnet…</translation>
    </message>
    <message>
        <source>Seed %1</source>
        <translation>Startwert %1</translation>
    </message>
</context>
</TS>
