#pragma once

// Qt keeps files of its own in the user's runtime folder (and the clock its lock and call file),
// which a desktop session names in XDG_RUNTIME_DIR. Started from su, ssh, cron or a bare terminal
// there is none, and Qt warns about it in every program that comes to need it (the clock at
// start, the report when it draws): this points XDG_RUNTIME_DIR at a folder of the project's own
// under the temporary folder, private to the user, instead. Called in main before the application
// object is made; does nothing where the platform keeps no such folder.
void ProvideRuntimeFolder();
