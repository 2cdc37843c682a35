// Keeps the widget library non-empty while its folders are still filling up.
namespace figuro_widgets_anchor { int anker = 0; }
