// The colour pairs below WCAG AA that the windows' own tables give, and that stay as the program
// has always shown them: the red tens' labels "da" and the red "Sbagliato! Ripeti" on the pastel
// windows. Each row: the window's unit and level, control, text colour, background, axe's ratio, the
// ratio AA asks.
export const knownContrastPairs = [
  ['Addition', 999, 'lblda', '#ff0000', '#ffff80', 3.78, 4.5],
  ['Subtraction', 999, 'lblda', '#ff0000', '#ffc080', 2.49, 4.5],
  ['Subtraction', 999, 'lblmessaggio', '#ff0000', '#ffc080', 2.49, 3],
  ['Multiplication', 999, 'lblda', '#ff0000', '#ffc0ff', 2.71, 4.5],
  ['Multiplication', 999, 'lblmessaggio', '#ff0000', '#ffc0ff', 2.71, 3],
  ['Division', 999, 'Label3', '#ff0000', '#80ff80', 3.14, 4.5],
  ['Addition', 9999, 'lblda', '#ff0000', '#80ffff', 3.36, 4.5],
  ['Subtraction', 9999, 'lblda', '#ff0000', '#ffc0c0', 2.58, 4.5],
  ['Subtraction', 9999, 'lblmessaggio', '#ff0000', '#ffc0c0', 2.58, 3],
  ['Multiplication', 9999, 'lblda', '#ff0000', '#ffc0ff', 2.71, 4.5],
  ['Multiplication', 9999, 'lblmessaggio', '#ff0000', '#ffc0ff', 2.71, 3],
  ['Multiplication2', 9999, 'lblda', '#ff0000', '#c0c0ff', 2.32, 4.5],
  ['Multiplication2', 9999, 'lblmessaggio', '#ff0000', '#c0c0ff', 2.32, 3],
  ['Division', 9999, 'Label3', '#ff0000', '#80ff80', 3.14, 4.5],
];
