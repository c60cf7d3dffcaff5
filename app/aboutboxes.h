#ifndef ABOUTBOXES_H
#define ABOUTBOXES_H

class QWidget;

// Help → About: the program, its version, the systems it runs on, the maker's site and mail.
void show_about_program(QWidget *parent);
// Help → Company: the maker, its instruments and services, in a box of its own.
void show_about_company();

#endif // ABOUTBOXES_H
