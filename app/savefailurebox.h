#ifndef SAVEFAILUREBOX_H
#define SAVEFAILUREBOX_H

// The modal "Ошибка" box for a report file that cannot be written: no parent,
// warning icon, a single OK button.
void show_save_failure_box();

#endif // SAVEFAILUREBOX_H
