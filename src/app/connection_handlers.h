#pragma once
// What the Connection page's requests do in the window: the four Connect buttons, the
// catalogue read (connect_db), Select Schema and Close Connexion. They work through the
// session, the status bar and the pages' own methods.

#include "connection/connection_kinds.h"

namespace app
{

class MainWindow;

// What every Connect button does with the values of one kind: takes its strings and status
// text, connects, and on success readies the generator pages for the new catalogue.
void connectKind(MainWindow& window, const connection::KindValues& values);
// Opens the connection and reads the tables and schemas of the catalogue.
void connect_db(MainWindow& window);
// Select Schema.
void Command1_Click(MainWindow& window);
// Close Connexion.
void Command6_Click(MainWindow& window);

// Connects the Connection page's requests to the handlers above.
void connectConnectionPage(MainWindow& window);

} // namespace app
