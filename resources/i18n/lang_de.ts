<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>MainWindow</name>
    <message>
        <source>&quot;%1&quot; was replaced, but its folder could not be synced to the disk: %2. A system crash now could lose the new catalogue.</source>
        <translation>„%1“ wurde ersetzt, aber sein Ordner kann nicht auf dem Datenträger gesichert werden: %2. Bei einem Systemabsturz könnte der neue Katalog jetzt noch verloren gehen.</translation>
    </message>
    <message>
        <source>%1 contains a backslash, which the catalogue&apos;s reader takes as the start of an escape: remove it.</source>
        <translation>%1 enthält einen umgekehrten Schrägstrich (Backslash), den das Leseprogramm des Katalogs als Beginn einer Escape-Sequenz liest: Entfernen Sie ihn.</translation>
    </message>
    <message>
        <source>%1 contains a control character (such as a line break or a tab): remove it.</source>
        <translation>%1 enthält ein Steuerzeichen (etwa einen Zeilenumbruch oder einen Tabulator): Entfernen Sie es.</translation>
    </message>
    <message>
        <source>%1 contains a double quote, which would end the name early in the catalogue: remove it.</source>
        <translation>%1 enthält ein doppeltes Anführungszeichen, das den Namen im Katalog vorzeitig beenden würde: Entfernen Sie es.</translation>
    </message>
    <message>
        <source>%1 is empty or only spaces: every body would name an empty parent, which the catalogue&apos;s reader cannot find, so none of them would load. Enter the object the bodies orbit.</source>
        <translation>%1 ist leer oder besteht nur aus Leerzeichen: Jeder Körper würde einen leeren Mutterkörper nennen, den das Leseprogramm des Katalogs nicht findet, sodass keiner geladen würde. Geben Sie das Objekt ein, um das die Körper kreisen.</translation>
    </message>
    <message>
        <source>%1 is not a finite number: enter a finite value.</source>
        <translation>%1 ist keine endliche Zahl: Geben Sie einen endlichen Wert ein.</translation>
    </message>
    <message>
        <source>%1 is too small for orbits out to %2: their periods would exceed the largest number a catalogue can hold. Enter a larger total mass or a smaller belt.</source>
        <translation>%1 ist zu klein für Bahnen bis %2: Ihre Umlaufzeiten wären grösser als die grösste Zahl, die ein Katalog fassen kann. Geben Sie eine grössere totale Masse oder einen kleineren Gürtel ein.</translation>
    </message>
    <message>
        <source>%1 is too large: such bodies would weigh more than the largest number a catalogue can hold. Enter smaller radii.</source>
        <translation>%1 ist zu gross: Solche Körper wären schwerer als die grösste Zahl, die ein Katalog fassen kann. Geben Sie kleinere Radien ein.</translation>
    </message>
    <message>
        <source>%1 must be a finite number above 0 when the center object is a barycenter: enter the total mass of the main objects, or clear Barycenter.</source>
        <translation>%1 muss eine endliche Zahl über 0 sein, wenn das Zentralobjekt ein Barycenter ist: Geben Sie die totale Masse der Hauptobjekte ein oder wählen Sie Barycenter ab.</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>A belt is being generated. Stop it and close the window?</source>
        <translation>Es wird gerade ein Gürtel erzeugt. Anhalten und das Fenster schliessen?</translation>
    </message>
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
        <source>Cannot create &quot;%1&quot;: %2.</source>
        <translation>„%1“ kann nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>Cannot finish writing &quot;%1&quot;: %2.</source>
        <translation>Das Schreiben von „%1“ kann nicht abgeschlossen werden: %2.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>„%1“ kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>Cannot replace &quot;%1&quot;: %2.</source>
        <translation>„%1“ kann nicht ersetzt werden: %2.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: a body got an infinite or undefined number, which the catalogue&apos;s reader cannot take. Nothing was saved.</source>
        <translation>„%1“ kann nicht geschrieben werden: Ein Körper hat eine unendliche oder undefinierte Zahl erhalten, die das Leseprogramm des Katalogs nicht annimmt. Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Cannot set the permissions of &quot;%1&quot;: %2.</source>
        <translation>Die Zugriffsrechte von „%1“ können nicht gesetzt werden: %2.</translation>
    </message>
    <message>
        <source>Cannot sync &quot;%1&quot; to the disk: %2.</source>
        <translation>„%1“ kann nicht auf dem Datenträger gesichert werden: %2.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>„%1“ kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Center object</source>
        <translation>Zentralobjekt</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>Das Gerät oder die Ressource ist belegt</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Der zugewiesene Speicherplatz (Quota) ist überschritten</translation>
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
        <source>File name too long</source>
        <translation>Der Dateiname ist zu lang</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Die Datei ist zu gross</translation>
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
        <source>Input/output error</source>
        <translation>Eingabe-/Ausgabefehler</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Ist ein Verzeichnis</translation>
    </message>
    <message>
        <source>Is the center object a barycenter?</source>
        <translation>Ist das Zentralobjekt ein Barycenter?</translation>
    </message>
    <message>
        <source>Lan&amp;guage</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;Load preset</source>
        <translation>&amp;Voreinstellungen</translation>
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
        <source>No belt was generated: the catalogue could not be read with these settings.</source>
        <translation>Es wurde kein Gürtel erzeugt: Mit diesen Einstellungen könnte der Katalog nicht gelesen werden.</translation>
    </message>
    <message>
        <source>No output file was given.</source>
        <translation>Es wurde keine Ausgabedatei angegeben.</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Auf dem Gerät ist kein Speicherplatz mehr verfügbar</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Datei oder Verzeichnis nicht gefunden</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Ist kein Verzeichnis</translation>
    </message>
    <message>
        <source>Number of objects</source>
        <translation>Anzahl der Objekte</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Die Operation ist nicht erlaubt</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Keine Berechtigung</translation>
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
        <source>Read-only file system</source>
        <translation>Das Dateisystem ist nur lesbar</translation>
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
        <source>The catalogue could not be saved.</source>
        <translation>Der Katalog konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Zu viele Ebenen symbolischer Verknüpfungen</translation>
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
        <source>Expected: %1 in %2</source>
        <translation>Erwartet: %1 in %2</translation>
    </message>
    <message>
        <source>Save the catalogue: %1, made in %2</source>
        <translation>Katalog speichern: %1, erstellt in %2</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>under 1 s</source>
        <translation>unter 1 s</translation>
    </message>
    <message>
        <source>about %1 s</source>
        <translation>etwa %1 s</translation>
    </message>
    <message>
        <source>about %1 min</source>
        <translation>etwa %1 min</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>noch %1</translation>
    </message>
    <message>
        <source>The size of the catalogue and the time to make it, worked out from a sample of the belt drawn with these settings</source>
        <translation>Grösse des Katalogs und Zeit für seine Erstellung, ermittelt aus einer Stichprobe des Gürtels mit diesen Einstellungen</translation>
    </message>
    <message>
        <source>The belt would have no body, so no catalogue was written: set the number of objects to 1 or more.</source>
        <translation>Der Gürtel hätte kein Objekt, daher wurde kein Katalog geschrieben: Setzen Sie die Anzahl der Objekte auf 1 oder mehr.</translation>
    </message>
    <message>
        <source>Asteroid or comet: the kind of body the catalogue makes of every body of the belt</source>
        <translation>Asteroid oder Komet: die Art, als die der Katalog jedes Objekt des Gürtels führt</translation>
    </message>
    <message>
        <source>The object the bodies orbit, by the name the catalogue&apos;s reader knows it by</source>
        <translation>Das Objekt, das die Objekte umkreisen, unter dem Namen, den das Leseprogramm des Katalogs kennt</translation>
    </message>
    <message>
        <source>How many bodies the belt has, from 1 to 1,000,000; about one in five is a binary, which holds two more</source>
        <translation>Wie viele Objekte der Gürtel hat, von 1 bis 1.000.000; etwa jedes fünfte ist ein Doppelobjekt mit zwei weiteren</translation>
    </message>
    <message>
        <source>The smallest semi-major axis of the bodies&apos; orbits, in AU (astronomical units), from 0 to 1e21</source>
        <translation>Die kleinste grosse Halbachse der Bahnen, in AU (astronomischen Einheiten), von 0 bis 1e21</translation>
    </message>
    <message>
        <source>The largest semi-major axis of the bodies&apos; orbits, in AU (astronomical units), from 0 to 1e21</source>
        <translation>Die grösste grosse Halbachse der Bahnen, in AU (astronomischen Einheiten), von 0 bis 1e21</translation>
    </message>
    <message>
        <source>The radius of the smallest body, in km, from 0 to 1e21</source>
        <translation>Der Radius des kleinsten Objekts, in km, von 0 bis 1e21</translation>
    </message>
    <message>
        <source>The radius of the largest body, in km, from 0 to 1e21</source>
        <translation>Der Radius des grössten Objekts, in km, von 0 bis 1e21</translation>
    </message>
    <message>
        <source>The smallest eccentricity of the orbits, from 0 (a circle) to 99.99; below 1 an ellipse</source>
        <translation>Die kleinste Exzentrizität der Bahnen, von 0 (ein Kreis) bis 99,99; unter 1 eine Ellipse</translation>
    </message>
    <message>
        <source>The largest eccentricity of the orbits, from 0 (a circle) to 99.99; 1 or more makes open orbits</source>
        <translation>Die grösste Exzentrizität der Bahnen, von 0 (ein Kreis) bis 99,99; ab 1 sind die Bahnen offen</translation>
    </message>
    <message>
        <source>The plane the inclinations and nodes are measured from: the ecliptic, the central object&apos;s equator, or the plane of an extrasolar system</source>
        <translation>Die Ebene, von der aus Inklinationen und Knoten gemessen werden: die Ekliptik, der Äquator des Zentralobjekts oder die Ebene eines extrasolaren Systems</translation>
    </message>
    <message>
        <source>The time the orbits hold for, as a Julian date from 0 to 10000000 (2457395.5 is 8 January 2016)</source>
        <translation>Der Zeitpunkt, für den die Bahnen gelten, als julianisches Datum von 0 bis 10000000 (2457395,5 ist der 8. Januar 2016)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Belt Preview and Seed</source>
        <translation>&amp;Gürtelvorschau und Startwert</translation>
    </message>
    <message>
        <source>The belt preview holds no valid seed. Enter a seed from 0 to %1 there, or hide the preview to draw a new seed for each run.</source>
        <translation>Die Gürtelvorschau enthält keinen gültigen Startwert. Geben Sie dort einen Startwert von 0 bis %1 ein, oder blenden Sie die Vorschau aus, damit jeder Lauf einen neuen Startwert zieht.</translation>
    </message>
    <message>
        <source>No seed could be drawn from the system's random source, so no belt was generated. Enter a seed in the belt preview (%1) to generate one.</source>
        <translation>Aus der Zufallsquelle des Systems konnte kein Startwert gezogen werden, daher wurde kein Gürtel generiert. Geben Sie in der Gürtelvorschau (%1) einen Startwert ein, um einen zu generieren.</translation>
    </message>
    <message>
        <source>No belt was generated: these fields hold text that cannot be read as a number in their range: %1. Write a number with one decimal point (a point or a comma), without digit grouping and with no more decimals than the field shows.</source>
        <translation>Es wurde kein Gürtel erzeugt: Diese Felder enthalten Text, der sich nicht als Zahl in ihrem Bereich lesen lässt: %1. Schreiben Sie eine Zahl mit einem Dezimaltrennzeichen (Punkt oder Komma), ohne Zifferngruppen und mit nicht mehr Nachkommastellen, als das Feld zeigt.</translation>
    </message>
    <message>
        <source>%1 is above %2: every body will orbit at %3 AU.</source>
        <translation>%1 liegt über %2: Jeder Körper wird bei %3 AU kreisen.</translation>
    </message>
    <message>
        <source>%1 is above %2: every body will have a radius of %3 km.</source>
        <translation>%1 liegt über %2: Jeder Körper wird einen Radius von %3 km haben.</translation>
    </message>
    <message>
        <source>%1 is above %2: every orbit will have an eccentricity of %3.</source>
        <translation>%1 liegt über %2: Jede Bahn wird eine Exzentrizität von %3 haben.</translation>
    </message>
    <message>
        <source>%1 is 1 or more: orbits with an eccentricity of 1 or more are open, and a reader of orbital elements cannot place them.</source>
        <translation>%1 ist 1 oder mehr: Bahnen mit einer Exzentrizität von 1 oder mehr sind offen, und ein Leseprogramm für Bahnelemente kann sie nicht einordnen.</translation>
    </message>
    <message>
        <source>%1 is 1 or more: every orbit will be open, and a reader of orbital elements cannot place it.</source>
        <translation>%1 ist 1 oder mehr: Jede Bahn wird offen sein, und ein Leseprogramm für Bahnelemente kann sie nicht einordnen.</translation>
    </message>
    <message>
        <source>Recipe (*.belt)</source>
        <translation>Rezept (*.belt)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>Saved 1 entry to %1</source>
        <translation>1 Eintrag in %1 gespeichert</translation>
    </message>
    <message>
        <source>Saved %1 entries to %2</source>
        <translation>%1 Einträge in %2 gespeichert</translation>
    </message>
    <message>
        <source>Stopped: nothing was saved</source>
        <translation>Abgebrochen: nichts wurde gespeichert</translation>
    </message>
    <message>
        <source>Saved the recipe to %1</source>
        <translation>Rezept in %1 gespeichert</translation>
    </message>
    <message>
        <source>Saved the picture to %1</source>
        <translation>Bild in %1 gespeichert</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open Recipe…</source>
        <translation>Rezept ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>&amp;Save Recipe…</source>
        <translation>Rezept &amp;speichern…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Save &amp;Picture…</source>
        <translation>&amp;Bild speichern…</translation>
    </message>
    <message>
        <source>&amp;About Beltwright</source>
        <translation>Ü&amp;ber Beltwright</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Stop the run (%1): an existing file is left as it was</source>
        <translation>Den Lauf abbrechen (%1): eine bestehende Datei bleibt, wie sie war</translation>
    </message>
    <message>
        <source>Generate the belt and save it as a catalogue (%1)</source>
        <translation>Den Gürtel erzeugen und als Katalog speichern (%1)</translation>
    </message>
    <message>
        <source>Set the epoch back to 2457395.5 (8 January 2016)</source>
        <translation>Die Epoche auf 2457395,5 (8. Januar 2016) zurücksetzen</translation>
    </message>
    <message>
        <source>The recipe &quot;%1&quot; could not be read: %2.</source>
        <translation>Das Rezept „%1“ konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a recipe: it is far larger than one.</source>
        <translation>„%1“ ist kein Rezept: die Datei ist viel zu gross dafür.</translation>
    </message>
    <message>
        <source>the line is not UTF-8 text.</source>
        <translation>die Zeile ist kein UTF-8-Text.</translation>
    </message>
    <message>
        <source>a recipe starts with the line &quot;%1 = %2&quot;.</source>
        <translation>ein Rezept beginnt mit der Zeile „%1 = %2“.</translation>
    </message>
    <message>
        <source>recipe version %1 is not known; this program reads version %2.</source>
        <translation>die Rezeptversion %1 ist unbekannt; dieses Programm liest Version %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a setting: write key = value, or start a comment with #.</source>
        <translation>„%1“ ist keine Einstellung: schreiben Sie Schlüssel = Wert, oder beginnen Sie einen Kommentar mit #.</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot;; the keys are %2.</source>
        <translation>unbekannter Schlüssel „%1“; die Schlüssel sind %2.</translation>
    </message>
    <message>
        <source>%1 is given again (first on line %2).</source>
        <translation>%1 steht doppelt da (zuerst in Zeile %2).</translation>
    </message>
    <message>
        <source>the recipe has no %1.</source>
        <translation>dem Rezept fehlt %1.</translation>
    </message>
    <message>
        <source>give a number from %1 to %2, with a decimal point</source>
        <translation>erlaubt ist eine Zahl von %1 bis %2, mit Dezimalpunkt</translation>
    </message>
    <message>
        <source>give a whole number from %1 to %2</source>
        <translation>erlaubt ist eine ganze Zahl von %1 bis %2</translation>
    </message>
    <message>
        <source>give one of %1</source>
        <translation>erlaubt ist eines von %1</translation>
    </message>
    <message>
        <source>give UTF-8 text in double quotes</source>
        <translation>erlaubt ist UTF-8-Text in doppelten Anführungszeichen</translation>
    </message>
    <message>
        <source>give true or false</source>
        <translation>erlaubt ist true oder false</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not accepted: %3.</source>
        <translation>%1: „%2“ wird nicht angenommen: %3.</translation>
    </message>
    <message>
        <source>The recipe &quot;%1&quot; could not be read. Line %2: %3</source>
        <translation>Das Rezept „%1“ konnte nicht gelesen werden. Zeile %2: %3</translation>
    </message>
    <message>
        <source>The form was left as it was.</source>
        <translation>Das Formular bleibt, wie es war.</translation>
    </message>
    <message>
        <source>The form shows fewer decimals than the recipe gives for %1, and makes the belt of the values it shows. beltwright-cli --recipe makes the recipe&apos;s own belt.</source>
        <translation>Das Formular zeigt bei %1 weniger Nachkommastellen, als das Rezept angibt, und erzeugt den Gürtel der angezeigten Werte. beltwright-cli --recipe erzeugt den Gürtel des Rezepts selbst.</translation>
    </message>
    <message>
        <source>The recipe could not be saved.</source>
        <translation>Das Rezept konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The picture could not be saved to &quot;%1&quot;: %2</source>
        <translation>Das Bild konnte nicht in „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <source>These fields hold text that cannot be read as a number in their range: %1. Correct them first.</source>
        <translation>Diese Felder enthalten Text, der sich nicht als Zahl in ihrem Bereich lesen lässt: %1. Korrigieren Sie sie zuerst.</translation>
    </message>
    <message>
        <source>Size slope</source>
        <translation>Steigung der Grössen</translation>
    </message>
    <message>
        <source>Eccentricity mode</source>
        <translation>Modus der Exzentrizität</translation>
    </message>
    <message>
        <source>Inclination mode</source>
        <translation>Modus der Inklination</translation>
    </message>
    <message>
        <source>Surface density slope</source>
        <translation>Steigung der Flächendichte</translation>
    </message>
    <message>
        <source>%1 must be above 0 for the distribution chosen: enter a larger value.</source>
        <translation>%1 muss für die gewählte Verteilung über 0 liegen: Geben Sie einen grösseren Wert ein.</translation>
    </message>
    <message>
        <source>%1 is 0, but the distribution chosen puts ever more bodies towards 0 without end: enter a value above 0, or choose another distribution.</source>
        <translation>%1 ist 0, doch die gewählte Verteilung legt gegen 0 hin ohne Ende immer mehr Körper: Geben Sie einen Wert über 0 ein oder wählen Sie eine andere Verteilung.</translation>
    </message>
    <message>
        <source>Distributions</source>
        <translation>Verteilungen</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Radius</translation>
    </message>
    <message>
        <source>How body radii are drawn: a bell between the smallest and largest radius, or a power law with ever more small bodies</source>
        <translation>Wie die Radien der Körper gezogen werden: eine Glockenkurve zwischen dem kleinsten und dem grössten Radius oder ein Potenzgesetz mit immer mehr kleinen Körpern</translation>
    </message>
    <message>
        <source>slope q</source>
        <translation>Steigung q</translation>
    </message>
    <message>
        <source>Cumulative slope q of the power law: the number of bodies larger than R falls as R^-q (2.5 for a collisional cascade); above 0</source>
        <translation>Kumulative Steigung q des Potenzgesetzes: Die Zahl der Körper, die grösser als R sind, fällt wie R^-q (2,5 für eine Stosskaskade); über 0</translation>
    </message>
    <message>
        <source>Eccentricity</source>
        <translation>Exzentrizität</translation>
    </message>
    <message>
        <source>How eccentricities are drawn: a bell between their bounds, or a Rayleigh distribution, most orbits nearly circular with a tail towards the largest eccentricity</source>
        <translation>Wie die Exzentrizitäten gezogen werden: eine Glockenkurve zwischen ihren Grenzen oder eine Rayleigh-Verteilung, die meisten Bahnen fast kreisförmig, mit einem Ausläufer zur grössten Exzentrizität hin</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>The most common eccentricity of the Rayleigh distribution; above 0</source>
        <translation>Die häufigste Exzentrizität der Rayleigh-Verteilung; über 0</translation>
    </message>
    <message>
        <source>Inclination</source>
        <translation>Inklination</translation>
    </message>
    <message>
        <source>How inclinations are drawn: a bell from minus to plus the bound, or a Rayleigh distribution from 0 to the bound, most orbits nearly flat</source>
        <translation>Wie die Inklinationen gezogen werden: eine Glockenkurve von minus bis plus der Grenze oder eine Rayleigh-Verteilung von 0 bis zur Grenze, die meisten Bahnen fast flach</translation>
    </message>
    <message>
        <source>The most common inclination of the Rayleigh distribution, in degrees; above 0</source>
        <translation>Die häufigste Inklination der Rayleigh-Verteilung, in Grad; über 0</translation>
    </message>
    <message>
        <source>Semi-major axis</source>
        <translation>Grosse Halbachse</translation>
    </message>
    <message>
        <source>How semi-major axes are drawn: a bell between the inner and outer radius, or a disc whose surface density falls as r^-p</source>
        <translation>Wie die grossen Halbachsen gezogen werden: eine Glockenkurve zwischen innerem und äusserem Radius oder eine Scheibe, deren Flächendichte wie r^-p abfällt</translation>
    </message>
    <message>
        <source>slope p</source>
        <translation>Steigung p</translation>
    </message>
    <message>
        <source>Slope p of the surface density r^-p: 0 an even disc, 1.5 the minimum-mass solar nebula, negative thicker outwards</source>
        <translation>Steigung p der Flächendichte r^-p: 0 eine gleichmässige Scheibe, 1,5 der Sonnennebel minimaler Masse, negativ nach aussen dichter</translation>
    </message>
    <message>
        <source>Mean anomaly</source>
        <translation>Mittlere Anomalie</translation>
    </message>
    <message>
        <source>Where each body stands on its orbit at the epoch: at its pericenter (0), or anywhere along it (uniform over 0 to 360 degrees)</source>
        <translation>Wo jeder Körper zur Epoche auf seiner Bahn steht: im Perizentrum (0) oder irgendwo auf ihr (gleichverteilt über 0 bis 360 Grad)</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Glockenkurve</translation>
    </message>
    <message>
        <source>Power law</source>
        <translation>Potenzgesetz</translation>
    </message>
    <message>
        <source>Rayleigh</source>
        <translation>Rayleigh</translation>
    </message>
    <message>
        <source>Surface density</source>
        <translation>Flächendichte</translation>
    </message>
    <message>
        <source>At pericenter</source>
        <translation>Im Perizentrum</translation>
    </message>
    <message>
        <source>Uniform</source>
        <translation>Gleichverteilt</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Planet</translation>
    </message>
    <message>
        <source>A planet on a circular orbit in the reference plane shapes the belt: gaps at its resonances, a cleared orbit, Trojans and a resonant family</source>
        <translation>Ein Planet auf einer Kreisbahn in der Bezugsebene formt den Gürtel: Lücken bei seinen Resonanzen, eine geräumte Bahn, Trojaner und eine Resonanzfamilie</translation>
    </message>
    <message>
        <source>A planet shapes the belt</source>
        <translation>Ein Planet formt den Gürtel</translation>
    </message>
    <message>
        <source>Semi-major axis of the planet&apos;s circular orbit; above 0</source>
        <translation>Grosse Halbachse der Kreisbahn des Planeten; über 0</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Masse</translation>
    </message>
    <message>
        <source>Mass of the planet in the unit chosen beside it; above 0</source>
        <translation>Masse des Planeten in der daneben gewählten Einheit; über 0</translation>
    </message>
    <message>
        <source>Unit of the planet&apos;s mass: Jupiter masses (M♃) or Earth masses (M⊕)</source>
        <translation>Einheit der Planetenmasse: Jupitermassen (M♃) oder Erdmassen (M⊕)</translation>
    </message>
    <message>
        <source>Central mass</source>
        <translation>Zentralmasse</translation>
    </message>
    <message>
        <source>Mass of the center object in solar masses, which the planet and the bodies go round; with Barycenter the total mass stands instead</source>
        <translation>Masse des Zentralobjekts in Sonnenmassen, das der Planet und die Körper umlaufen; mit Barycenter gilt stattdessen die totale Masse</translation>
    </message>
    <message>
        <source>Mean longitude</source>
        <translation>Mittlere Länge</translation>
    </message>
    <message>
        <source>Where the planet stands on its orbit at the epoch: its mean longitude in degrees, from the reference direction</source>
        <translation>Wo der Planet zur Epoche auf seiner Bahn steht: seine mittlere Länge in Grad, von der Bezugsrichtung aus</translation>
    </message>
    <message>
        <source>No body but the Trojans in the planet&apos;s chaotic zone, which reaches 1.3 μ^(2/7) times its semi-major axis to either side (μ: the planet&apos;s mass over the central mass)</source>
        <translation>Ausser den Trojanern kein Körper in der chaotischen Zone des Planeten, die 1,3 μ^(2/7) mal seine grosse Halbachse nach beiden Seiten reicht (μ: Masse des Planeten durch die Zentralmasse)</translation>
    </message>
    <message>
        <source>Clear the planet&apos;s orbit</source>
        <translation>Bahn des Planeten räumen</translation>
    </message>
    <message>
        <source>The belt&apos;s bodies keep out of the planet&apos;s resonances listed beside it, which leaves gaps such as the asteroid belt&apos;s Kirkwood gaps</source>
        <translation>Die Körper des Gürtels meiden die daneben aufgeführten Resonanzen des Planeten; so entstehen Lücken wie die Kirkwood-Lücken im Asteroidengürtel</translation>
    </message>
    <message>
        <source>Gaps at resonances</source>
        <translation>Lücken bei Resonanzen</translation>
    </message>
    <message>
        <source>The resonances p:q of the gaps, apart by spaces, such as 4:1 3:1 5:2 7:3 2:1; those that fall on the belt count</source>
        <translation>Die Resonanzen p:q der Lücken, durch Leerzeichen getrennt, etwa 4:1 3:1 5:2 7:3 2:1; es zählen jene, die auf den Gürtel fallen</translation>
    </message>
    <message>
        <source>Resonance eccentricity</source>
        <translation>Resonanzexzentrizität</translation>
    </message>
    <message>
        <source>The eccentricity at which a resonance&apos;s width is taken, for its gap and its family: the larger, the wider; above 0</source>
        <translation>Die Exzentrizität, bei der die Breite einer Resonanz genommen wird, für ihre Lücke und ihre Familie: je grösser, desto breiter; über 0</translation>
    </message>
    <message>
        <source>Trojans</source>
        <translation>Trojaner</translation>
    </message>
    <message>
        <source>Share of the bodies in the Trojan clouds around L4 and L5, 60° ahead of and behind the planet on its orbit</source>
        <translation>Anteil der Körper in den Trojanerwolken um L4 und L5, 60° vor und hinter dem Planeten auf seiner Bahn</translation>
    </message>
    <message>
        <source>Share of the Trojans at L4, ahead of the planet; the rest are at L5, behind it</source>
        <translation>Anteil der Trojaner bei L4, vor dem Planeten; die übrigen sind bei L5, hinter ihm</translation>
    </message>
    <message>
        <source>Libration amplitude</source>
        <translation>Librationsamplitude</translation>
    </message>
    <message>
        <source>The largest libration amplitude, in degrees: a Trojan&apos;s angle from L4 or L5, a resonant body&apos;s resonant angle from the centre it librates about</source>
        <translation>Die grösste Librationsamplitude, in Grad: der Winkel eines Trojaners von L4 oder L5, der Resonanzwinkel eines resonanten Körpers vom Zentrum, um das er libriert</translation>
    </message>
    <message>
        <source>Resonant family</source>
        <translation>Resonanzfamilie</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Familie</translation>
    </message>
    <message>
        <source>Population name</source>
        <translation>Name der Population</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Anteil</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Population %1 (%2): %3</source>
        <translation>Population %1 (%2): %3</translation>
    </message>
    <message>
        <source>A belt holds from 1 to 16 populations: remove some.</source>
        <translation>Ein Gürtel hat 1 bis 16 Populationen: Entfernen Sie einige.</translation>
    </message>
    <message>
        <source>a belt holds at most %1 populations.</source>
        <translation>ein Gürtel hat höchstens %1 Populationen.</translation>
    </message>
    <message>
        <source>The populations&apos; shares (%1) add up to %2 %, not 100 %: enter shares that do.</source>
        <translation>Die Anteile der Populationen (%1) ergeben zusammen %2 %, nicht 100 %: Geben Sie Anteile ein, die 100 % ergeben.</translation>
    </message>
    <message>
        <source>The kind chosen as %1 needs the planet: check &quot;%2&quot;, or choose another kind.</source>
        <translation>Die als %1 gewählte Art braucht den Planeten: Schalten Sie „%2“ ein, oder wählen Sie eine andere Art.</translation>
    </message>
    <message>
        <source>Share of the bodies held in one of the planet&apos;s resonances, as the Hildas are in Jupiter&apos;s 3:2</source>
        <translation>Anteil der Körper, die in einer Resonanz des Planeten gehalten werden, wie die Hildas in Jupiters 3:2</translation>
    </message>
    <message>
        <source>The resonance p:q that holds the family, such as 3:2; it lies on the side of the planet where the belt lies</source>
        <translation>Die Resonanz p:q, die die Familie hält, etwa 3:2; sie liegt auf der Seite des Planeten, auf der der Gürtel liegt</translation>
    </message>
    <message>
        <source>Main belt</source>
        <translation>Hauptgürtel</translation>
    </message>
    <message>
        <source>Jupiter Trojans</source>
        <translation>Jupiter-Trojaner</translation>
    </message>
    <message>
        <source>Hildas</source>
        <translation>Hildas</translation>
    </message>
    <message>
        <source>Kuiper belt</source>
        <translation>Kuipergürtel</translation>
    </message>
    <message>
        <source>Open &amp;Example</source>
        <translation>&amp;Beispiel öffnen</translation>
    </message>
    <message>
        <source>Jupiter masses</source>
        <translation>Jupitermassen</translation>
    </message>
    <message>
        <source>Earth masses</source>
        <translation>Erdmassen</translation>
    </message>
    <message>
        <source>Planet&apos;s semi-major axis</source>
        <translation>Grosse Halbachse des Planeten</translation>
    </message>
    <message>
        <source>Planet&apos;s mass</source>
        <translation>Masse des Planeten</translation>
    </message>
    <message>
        <source>Planet&apos;s mean longitude</source>
        <translation>Mittlere Länge des Planeten</translation>
    </message>
    <message>
        <source>Gap resonances</source>
        <translation>Resonanzen der Lücken</translation>
    </message>
    <message>
        <source>Trojan share</source>
        <translation>Anteil der Trojaner</translation>
    </message>
    <message>
        <source>Trojans at L4</source>
        <translation>Trojaner bei L4</translation>
    </message>
    <message>
        <source>Family resonance</source>
        <translation>Resonanz der Familie</translation>
    </message>
    <message>
        <source>Family share</source>
        <translation>Anteil der Familie</translation>
    </message>
    <message>
        <source>%1 must be above 0 for the planet: enter a larger value, or clear &quot;%2&quot;.</source>
        <translation>%1 muss für den Planeten über 0 liegen: Geben Sie einen grösseren Wert ein, oder schalten Sie „%2“ aus.</translation>
    </message>
    <message>
        <source>%1 holds a word that is not a resonance the planet has: enter resonances p:q apart by spaces, with whole numbers p &gt; q ≥ 1 without a common factor, p − q from 1 to 4 and p up to 12, such as 4:1 3:1 5:2.</source>
        <translation>%1 enthält ein Wort, das keine Resonanz des Planeten ist: Geben Sie Resonanzen p:q durch Leerzeichen getrennt ein, mit ganzen Zahlen p &gt; q ≥ 1 ohne gemeinsamen Teiler, p − q von 1 bis 4 und p bis 12, etwa 4:1 3:1 5:2.</translation>
    </message>
    <message>
        <source>%1 is not a resonance the planet has: enter p:q with whole numbers p &gt; q ≥ 1 without a common factor, p − q from 1 to 4 and p up to 12, such as 3:2 or 2:1.</source>
        <translation>%1 ist keine Resonanz des Planeten: Geben Sie p:q mit ganzen Zahlen p &gt; q ≥ 1 ohne gemeinsamen Teiler ein, p − q von 1 bis 4 und p bis 12, etwa 3:2 oder 2:1.</translation>
    </message>
    <message>
        <source>%1 and %2 come to more than 100 % together: enter smaller shares.</source>
        <translation>%1 und %2 ergeben zusammen mehr als 100 %: Geben Sie kleinere Anteile ein.</translation>
    </message>
    <message>
        <source>%1 is at least the mass of the center object the planet goes round: enter a smaller mass for the planet, or a larger %2 (with Barycenter: %3).</source>
        <translation>%1 ist mindestens so gross wie die Masse des Zentralobjekts, das der Planet umläuft: Geben Sie dem Planeten eine kleinere Masse oder eine grössere %2 (mit Barycenter: %3).</translation>
    </message>
    <message>
        <source>The planet&apos;s gaps and its cleared orbit cover the whole belt from %1 to %2, so its bodies have nowhere to go: widen the belt, or clear &quot;%3&quot; or &quot;%4&quot;.</source>
        <translation>Die Lücken des Planeten und seine geräumte Bahn bedecken den ganzen Gürtel von %1 bis %2, sodass seine Körper keinen Platz finden: Verbreitern Sie den Gürtel, oder schalten Sie „%3“ oder „%4“ aus.</translation>
    </message>
    <message>
        <source>%1 lies in the planet&apos;s cleared orbit, where no body but a Trojan stays: enter a resonance farther from the planet, or clear &quot;%2&quot;.</source>
        <translation>%1 liegt in der geräumten Bahn des Planeten, wo nur Trojaner bleiben: Geben Sie eine Resonanz weiter weg vom Planeten ein, oder schalten Sie „%2“ aus.</translation>
    </message>
    <message>
        <source>Around a planet this heavy the Trojans would spread down to the center object, to semi-major axes of 0 or below: enter a smaller %1 or a smaller mass for the planet.</source>
        <translation>Um einen so schweren Planeten reichten die Trojaner bis zum Zentralobjekt, zu grossen Halbachsen von 0 oder darunter: Geben Sie eine kleinere %1 oder eine kleinere Masse für den Planeten ein.</translation>
    </message>
    <message>
        <source>Around a planet this heavy the resonance of %1 is so wide that it reaches the center object, to semi-major axes of 0 or below: enter a smaller %2, a smaller mass for the planet or another resonance.</source>
        <translation>Um einen so schweren Planeten ist die Resonanz von %1 so breit, dass sie bis zum Zentralobjekt reicht, zu grossen Halbachsen von 0 oder darunter: Geben Sie eine kleinere %2, eine kleinere Masse für den Planeten oder eine andere Resonanz ein.</translation>
    </message>
    <message>
        <source>Resonant</source>
        <translation>Resonant</translation>
    </message>
    <message>
        <source>How the libration amplitudes spread up to the largest: evenly over its disc, or by a Rayleigh distribution with a tail</source>
        <translation>Wie sich die Librationsamplituden bis zur grössten verteilen: gleichmässig über ihre Scheibe oder nach einer Rayleigh-Verteilung mit einem Ausläufer</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Gleichmässig</translation>
    </message>
    <message>
        <source>Amplitude mode</source>
        <translation>Häufigste Amplitude</translation>
    </message>
    <message>
        <source>The most frequent libration amplitude of the Rayleigh distribution, in degrees; above 0</source>
        <translation>Die häufigste Librationsamplitude der Rayleigh-Verteilung, in Grad; über 0</translation>
    </message>
    <message>
        <source>Resonance</source>
        <translation>Resonanz</translation>
    </message>
    <message>
        <source>The mean-motion resonance p:q with the planet that holds the population, such as 3:2</source>
        <translation>Die Bahnresonanz p:q mit dem Planeten, die die Population hält, etwa 3:2</translation>
    </message>
    <message>
        <source>Resonance side</source>
        <translation>Seite der Resonanz</translation>
    </message>
    <message>
        <source>Inside the planet&apos;s orbit a body goes round p times while the planet goes round q times (the Hildas&apos; 3:2); outside it q times while the planet goes round p times (the Plutinos&apos; 3:2)</source>
        <translation>Innerhalb der Planetenbahn umläuft ein Körper die Mitte p-mal, während der Planet sie q-mal umläuft (die 3:2 der Hildas); ausserhalb q-mal, während der Planet sie p-mal umläuft (die 3:2 der Plutinos)</translation>
    </message>
    <message>
        <source>Inside</source>
        <translation>Innen</translation>
    </message>
    <message>
        <source>Outside</source>
        <translation>Aussen</translation>
    </message>
    <message>
        <source>Amplitudes</source>
        <translation>Amplituden</translation>
    </message>
    <message>
        <source>Around a planet this heavy the resonance of %1 is so wide at the population&apos;s largest eccentricity that it reaches the center object: enter a smaller largest eccentricity, a smaller mass for the planet or another resonance.</source>
        <translation>Um einen so schweren Planeten ist die Resonanz von %1 bei der grössten Exzentrizität der Population so breit, dass sie bis zum Zentralobjekt reicht: Geben Sie eine kleinere grösste Exzentrizität, eine kleinere Masse für den Planeten oder eine andere Resonanz ein.</translation>
    </message>
    <message>
        <source>Trojans&apos; shape</source>
        <translation>Form der Trojaner</translation>
    </message>
    <message>
        <source>Each Trojan on the small tadpole&apos;s ellipse, even about L4 or L5, or on the tadpole&apos;s curve of its amplitude, which reaches farther from the planet than towards it</source>
        <translation>Jeder Trojaner auf der kleinen Ellipse der Kaulquappe, gleichmässig um L4 oder L5, oder auf der Kaulquappenkurve seiner Amplitude, die weiter vom Planeten weg reicht als zu ihm hin</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Tadpole</source>
        <translation>Kaulquappe</translation>
    </message>
    <message>
        <source>Gap width</source>
        <translation>Lückenbreite</translation>
    </message>
    <message>
        <source>A gap as wide as its resonance at the resonance eccentricity for every body, or at each body&apos;s own eccentricity: narrow for nearly circular orbits, wide for eccentric ones</source>
        <translation>Eine Lücke so breit wie ihre Resonanz bei der Resonanzexzentrizität für jeden Körper, oder bei der eigenen Exzentrizität jedes Körpers: schmal für fast kreisförmige Bahnen, breit für exzentrische</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Fest</translation>
    </message>
    <message>
        <source>Each body&apos;s own</source>
        <translation>Eigene jedes Körpers</translation>
    </message>
    <message>
        <source>Gap depth</source>
        <translation>Lückentiefe</translation>
    </message>
    <message>
        <source>The share of the density beside a gap that the gap keeps, in percent: 0 leaves it empty</source>
        <translation>Der Anteil der Dichte neben einer Lücke, den die Lücke behält, in Prozent: 0 lässt sie leer</translation>
    </message>
    <message>
        <source>%1 is not a list of files: enter names apart by semicolons, each with an optional weight above 0 after a star, such as rock1.mesh*2; rock2.mesh.</source>
        <translation>%1 ist keine Liste von Dateien: Geben Sie Namen durch Semikolons getrennt ein, jeden mit einem optionalen Gewicht über 0 nach einem Stern, etwa rock1.mesh*2; rock2.mesh.</translation>
    </message>
    <message>
        <source>Composition</source>
        <translation>Zusammensetzung</translation>
    </message>
    <message>
        <source>A mix of surface classes: each body draws its class and from it its albedo, colour and density (so its mass); none writes no albedo or colour</source>
        <translation>Eine Mischung von Oberflächenklassen: Jeder Körper zieht seine Klasse und aus ihr Albedo, Farbe und Dichte (und damit seine Masse); Keine schreibt weder Albedo noch Farbe</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Trojans and Hildas</source>
        <translation>Trojaner und Hildas</translation>
    </message>
    <message>
        <source>Kuiper belt (cold)</source>
        <translation>Kuipergürtel (kalt)</translation>
    </message>
    <message>
        <source>Kuiper belt (hot)</source>
        <translation>Kuipergürtel (heiss)</translation>
    </message>
    <message>
        <source>Comets</source>
        <translation>Kometen</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>Formen</translation>
    </message>
    <message>
        <source>Spheres (off), ellipsoids whose axis ratios follow the lightcurves of real asteroids by size, or model files drawn from the mesh list</source>
        <translation>Kugeln (aus), Ellipsoide, deren Achsenverhältnisse nach Grösse den Lichtkurven echter Asteroiden folgen, oder Modelldateien aus der Modellliste</translation>
    </message>
    <message>
        <source>Spheres</source>
        <translation>Kugeln</translation>
    </message>
    <message>
        <source>Ellipsoids</source>
        <translation>Ellipsoide</translation>
    </message>
    <message>
        <source>Meshes</source>
        <translation>Modelle</translation>
    </message>
    <message>
        <source>Model files the bodies draw from, apart by semicolons, each with an optional weight after a star: rock1.mesh*2; rock2.mesh</source>
        <translation>Modelldateien, aus denen die Körper ziehen, durch Semikolons getrennt, jede mit einem optionalen Gewicht nach einem Stern: rock1.mesh*2; rock2.mesh</translation>
    </message>
    <message>
        <source>Textures</source>
        <translation>Texturen</translation>
    </message>
    <message>
        <source>Texture files the bodies draw from, apart by semicolons, each with an optional weight after a star; empty for none</source>
        <translation>Texturdateien, aus denen die Körper ziehen, durch Semikolons getrennt, jede mit einem optionalen Gewicht nach einem Stern; leer für keine</translation>
    </message>
    <message>
        <source>Spins</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Rotation periods from the belt&apos;s own bell of 0.1 to 12 hours, or by size as real asteroids spin: none above 0.3 km across faster than 2.2 hours, slow rotators, the largest near 9 hours</source>
        <translation>Rotationsperioden aus der Glockenkurve des Gürtels von 0,1 bis 12 Stunden, oder nach Grösse wie bei echten Asteroiden: keiner über 0,3 km Durchmesser schneller als 2,2 Stunden, langsame Rotatoren, die grössten nahe 9 Stunden</translation>
    </message>
    <message>
        <source>By size</source>
        <translation>Nach Grösse</translation>
    </message>
    <message>
        <source>Spin axes</source>
        <translation>Rotationsachsen</translation>
    </message>
    <message>
        <source>The belt&apos;s own obliquity alone, or axes pointing every way with the equator&apos;s node and a rotation phase; YORP turns the axes of bodies below 30 km across towards the poles</source>
        <translation>Nur die Schiefe des Gürtels, oder Achsen in alle Richtungen mit dem Knoten des Äquators und einer Rotationsphase; YORP dreht die Achsen von Körpern unter 30 km Durchmesser zu den Polen</translation>
    </message>
    <message>
        <source>Obliquity</source>
        <translation>Schiefe</translation>
    </message>
    <message>
        <source>Isotropic</source>
        <translation>Isotrop</translation>
    </message>
    <message>
        <source>YORP-clustered</source>
        <translation>YORP-gehäuft</translation>
    </message>
    <message>
        <source>Looks</source>
        <translation>Aussehen</translation>
    </message>
    <message>
        <source>Collisional family</source>
        <translation>Kollisionsfamilie</translation>
    </message>
    <message>
        <source>Scattered disc</source>
        <translation>Gestreute Scheibe</translation>
    </message>
    <message>
        <source>Parent&apos;s a</source>
        <translation>a des Mutterkörpers</translation>
    </message>
    <message>
        <source>Semi-major axis of the body whose break-up made the family, in AU; above 0</source>
        <translation>Grosse Halbachse des Körpers, aus dessen Zerfall die Familie entstand, in AU; über 0</translation>
    </message>
    <message>
        <source>Parent&apos;s e</source>
        <translation>e des Mutterkörpers</translation>
    </message>
    <message>
        <source>Eccentricity of the body whose break-up made the family, from 0 to 0.99</source>
        <translation>Exzentrizität des Körpers, aus dessen Zerfall die Familie entstand, von 0 bis 0,99</translation>
    </message>
    <message>
        <source>Parent&apos;s i</source>
        <translation>i des Mutterkörpers</translation>
    </message>
    <message>
        <source>Inclination of the body whose break-up made the family, in degrees</source>
        <translation>Bahnneigung des Körpers, aus dessen Zerfall die Familie entstand, in Grad</translation>
    </message>
    <message>
        <source>Ejection velocity</source>
        <translation>Auswurfgeschwindigkeit</translation>
    </message>
    <message>
        <source>The scale of the members&apos; ejection velocities from the break-up, in m/s: each of the radial, along-track and out-of-plane components is normal with this standard deviation</source>
        <translation>Das Mass der Auswurfgeschwindigkeiten der Mitglieder beim Zerfall, in m/s: die radiale, die bahnparallele und die zur Bahnebene senkrechte Komponente sind je normalverteilt mit dieser Standardabweichung</translation>
    </message>
    <message>
        <source>Break-up f</source>
        <translation>Zerfall bei f</translation>
    </message>
    <message>
        <source>Where on its orbit the parent broke up: its true anomaly f, in degrees</source>
        <translation>Wo auf seiner Bahn der Mutterkörper zerfiel: seine wahre Anomalie f, in Grad</translation>
    </message>
    <message>
        <source>Break-up ω + f</source>
        <translation>Zerfall bei ω + f</translation>
    </message>
    <message>
        <source>Where the parent was above or below its orbit&apos;s node at the break-up: its argument of pericenter plus its true anomaly, ω + f, in degrees</source>
        <translation>Wo der Mutterkörper beim Zerfall über oder unter dem Knoten seiner Bahn stand: sein Argument der Periapsis plus seine wahre Anomalie, ω + f, in Grad</translation>
    </message>
    <message>
        <source>Min perihelion</source>
        <translation>Minimale Periheldistanz</translation>
    </message>
    <message>
        <source>The smallest perihelion distance of the scattered disc, in AU; above 0</source>
        <translation>Die kleinste Periheldistanz der gestreuten Scheibe, in AU; über 0</translation>
    </message>
    <message>
        <source>Max perihelion</source>
        <translation>Maximale Periheldistanz</translation>
    </message>
    <message>
        <source>The largest perihelion distance of the scattered disc, in AU, at most its inner radius; above 0</source>
        <translation>Die grösste Periheldistanz der gestreuten Scheibe, in AU, höchstens ihr innerer Radius; über 0</translation>
    </message>
    <message>
        <source>%1 lies beyond %2, the scattered disc&apos;s smallest semi-major axis: a perihelion cannot lie beyond the semi-major axis. Enter smaller perihelia or a larger inner radius.</source>
        <translation>%1 liegt jenseits von %2, der kleinsten grossen Halbachse der gestreuten Scheibe: Ein Perihel kann nicht jenseits der grossen Halbachse liegen. Geben Sie kleinere Periheldistanzen oder einen grösseren inneren Radius ein.</translation>
    </message>
    <message>
        <source>%1 is so large for the parent&apos;s orbit that some members would be thrown onto open orbits or into the center object: enter a smaller ejection velocity, or a parent orbit farther from the center object or less eccentric.</source>
        <translation>%1 ist für die Bahn des Mutterkörpers so gross, dass manche Mitglieder auf offene Bahnen oder ins Zentralobjekt geworfen würden: Geben Sie eine kleinere Auswurfgeschwindigkeit ein oder eine Bahn des Mutterkörpers weiter vom Zentralobjekt oder mit kleinerer Exzentrizität.</translation>
    </message>
    <message>
        <source>%1 must be above 0 for this kind of population: enter a larger value.</source>
        <translation>%1 muss für diese Art von Population über 0 liegen: Geben Sie einen grösseren Wert ein.</translation>
    </message>
</context>
<context>
    <name>BeltPlot</name>
    <message>
        <source>seed %1</source>
        <translation>Seed %1</translation>
    </message>
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
        <source>%1 bodies; %2 of them shown, %3 of those binary</source>
        <translation>%1 Objekte; %2 davon gezeigt, unter diesen %3 Doppelobjekte</translation>
    </message>
    <message>
        <source>resonance gap</source>
        <translation>Resonanzlücke</translation>
    </message>
    <message>
        <source>resonant family</source>
        <translation>Resonanzfamilie</translation>
    </message>
    <message>
        <source>planet&apos;s chaotic zone</source>
        <translation>chaotische Zone des Planeten</translation>
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
    <message>
        <source>Too many bodies to mark one by one: the deeper the colour, the more bodies there; its hue mixes those of the populations there.</source>
        <translation>Zu viele Objekte, um jedes einzeln zu markieren: Je kräftiger die Farbe, desto mehr Objekte liegen dort; ihr Farbton mischt die der Populationen dort.</translation>
    </message>
    <message>
        <source>Sizes</source>
        <translation>Grössen</translation>
    </message>
    <message>
        <source>radius R (km)</source>
        <translation>Radius R (km)</translation>
    </message>
    <message>
        <source>N(radius ≥ R)</source>
        <translation>N(Radius ≥ R)</translation>
    </message>
    <message>
        <source>Semi-major axes</source>
        <translation>Grosse Halbachsen</translation>
    </message>
    <message>
        <source>bodies</source>
        <translation>Objekte</translation>
    </message>
    <message>
        <source>planet</source>
        <translation>Planet</translation>
    </message>
    <message>
        <source>planet, its orbit and L3, L4, L5</source>
        <translation>Planet, seine Bahn und L3, L4, L5</translation>
    </message>
    <message>
        <source>Turning with the planet</source>
        <translation>Mit dem Planeten drehend</translation>
    </message>
    <message>
        <source>Albedo</source>
        <translation>Albedo</translation>
    </message>
    <message>
        <source>geometric albedo</source>
        <translation>geometrische Albedo</translation>
    </message>
    <message>
        <source>no surface</source>
        <translation>ohne Oberfläche</translation>
    </message>
    <message>
        <source>Too many bodies to mark one by one: the deeper the colour, the more bodies there; its hue mixes the surfaces there.</source>
        <translation>Zu viele Objekte, um jedes einzeln zu markieren: Je kräftiger die Farbe, desto mehr Objekte liegen dort; ihr Farbton mischt die der Oberflächen dort.</translation>
    </message>
    <message>
        <source>%1 bodies of the scattered disc lie beyond the views of space, which hold the rest of the belt; the panels of semi-major axes show them all.</source>
        <translation>%1 Objekte der gestreuten Scheibe liegen ausserhalb der Ansichten des Raums, die den übrigen Gürtel zeigen; die Felder der grossen Halbachsen zeigen sie alle.</translation>
    </message>
</context>
<context>
    <name>PreviewWindow</name>
    <message>
        <source>No seed could be drawn from the system's random source. Enter a seed from 0 to %1 instead.</source>
        <translation>Aus der Zufallsquelle des Systems konnte kein Startwert gezogen werden. Geben Sie stattdessen einen Startwert von 0 bis %1 ein.</translation>
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
        <source>A whole number from 0 to %1. The same settings and seed always give the same belt.</source>
        <translation>Eine ganze Zahl von 0 bis %1. Dieselben Einstellungen und derselbe Startwert ergeben immer denselben Gürtel.</translation>
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
        <source>This is the belt that Generate writes: while the preview is shown, Generate uses this seed. Once it is hidden, every run draws a new seed. Zoom with the mouse wheel, drag to move, double-click to see the whole.</source>
        <translation>Dies ist der Gürtel, den „Generiere“ schreibt: Solange die Vorschau gezeigt wird, verwendet „Generiere“ diesen Startwert. Ist sie ausgeblendet, zieht jeder Lauf einen neuen Startwert. Mit dem Mausrad zoomen, mit der Maus verschieben, Doppelklick zeigt das Ganze.</translation>
    </message>
    <message>
        <source>Enter a seed from 0 to %1 to see the belt.</source>
        <translation>Geben Sie einen Startwert von 0 bis %1 ein, um den Gürtel zu sehen.</translation>
    </message>
    <message>
        <source>Drawing the belt…</source>
        <translation>Der Gürtel wird gezeichnet…</translation>
    </message>
    <message>
        <source>Seed %1</source>
        <translation>Startwert %1</translation>
    </message>
    <message>
        <source>Colo&amp;urs:</source>
        <translation>Fa&amp;rben:</translation>
    </message>
    <message>
        <source>By population</source>
        <translation>Nach Population</translation>
    </message>
    <message>
        <source>By surface</source>
        <translation>Nach Oberfläche</translation>
    </message>
    <message>
        <source>Colour the bodies by their population, or in the colour their looks give them in the catalogue (only for a belt with a composition)</source>
        <translation>Die Objekte nach ihrer Population färben oder in der Farbe, die ihr Aussehen ihnen im Katalog gibt (nur bei einem Gürtel mit Zusammensetzung)</translation>
    </message>
</context>
<context>
    <name>PopulationList</name>
    <message>
        <source>The shares of the populations together: they add up to 100 %</source>
        <translation>Die Anteile der Populationen zusammen: Sie ergeben 100 %</translation>
    </message>
    <message>
        <source>Population</source>
        <translation>Population</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Anteil</translation>
    </message>
    <message>
        <source>Populations</source>
        <translation>Populationen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Add a background population after the selected one, with its bounds and distributions and no share</source>
        <translation>Eine Hintergrundpopulation nach der ausgewählten hinzufügen, mit deren Grenzen und Verteilungen und ohne Anteil</translation>
    </message>
    <message>
        <source>Add a copy of the selected population after it, with no share</source>
        <translation>Eine Kopie der ausgewählten Population nach ihr hinzufügen, ohne Anteil</translation>
    </message>
    <message>
        <source>Remove the selected population</source>
        <translation>Die ausgewählte Population entfernen</translation>
    </message>
    <message>
        <source>How the selected population&apos;s bodies are placed: between its radii (background), around the planet&apos;s L4 and L5 (Trojans) or in one of the planet&apos;s resonances (resonant family); the last two need the planet</source>
        <translation>Wie die Objekte der ausgewählten Population liegen: zwischen ihren Radien (Hintergrund), um L4 und L5 des Planeten (Trojaner) oder in einer Resonanz des Planeten (Resonanzfamilie); die letzten beiden brauchen den Planeten</translation>
    </message>
    <message>
        <source>Move the selected population up: the bodies are numbered in the order of the list</source>
        <translation>Die ausgewählte Population nach oben schieben: Die Objekte werden in der Reihenfolge der Liste nummeriert</translation>
    </message>
    <message>
        <source>Move the selected population down</source>
        <translation>Die ausgewählte Population nach unten schieben</translation>
    </message>
    <message>
        <source>The belt&apos;s populations, up to 16. Double-click a name or a share to change it; the fields of the form show the selected population.</source>
        <translation>Die Populationen des Gürtels, bis zu 16. Doppelklicken Sie auf einen Namen oder einen Anteil, um ihn zu ändern; die Felder des Formulars zeigen die ausgewählte Population.</translation>
    </message>
</context>
<context>
    <name>AboutBox</name>
    <message>
        <source>About Beltwright</source>
        <translation>Über Beltwright</translation>
    </message>
    <message>
        <source>Creates a belt of asteroids or comets around a central object and writes it as a catalogue script.</source>
        <translation>Erzeugt einen Gürtel aus Asteroiden oder Kometen um ein Zentralobjekt und schreibt ihn als Katalogskript.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or any later version (GPL-3.0-or-later).</source>
        <translation>Freie Software unter der GNU General Public License, Version 3 oder jede spätere Version (GPL-3.0-or-later).</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schliessen</translation>
    </message>
    <message>
        <source>Close this box</source>
        <translation>Dieses Fenster schliessen</translation>
    </message>
    <message>
        <source>No belt has been generated in this session yet.</source>
        <translation>In dieser Sitzung wurde noch kein Gürtel erzeugt.</translation>
    </message>
    <message>
        <source>The last belt, seed %1, with its settings as a command line that makes it again:</source>
        <translation>Der letzte Gürtel, Startwert %1, mit seinen Einstellungen als Befehlszeile, die ihn wieder erzeugt:</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy the command line to the clipboard</source>
        <translation>Die Befehlszeile in die Zwischenablage kopieren</translation>
    </message>
</context>
</TS>
