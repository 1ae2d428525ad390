// The colour pairs below WCAG AA that the windows' own tables give, and that stay as the program
// has always shown them: the red tens' labels "da" and the red "Sbagliato! Ripeti" on the pastel
// windows. Each row: window, control, text colour, background, axe's ratio, the ratio AA asks.
export const knownContrastPairs = [
  ['frm999addizioni', 'lblda', '#ff0000', '#ffff80', 3.78, 4.5],
  ['frm999sottrazioni', 'lblda', '#ff0000', '#ffc080', 2.49, 4.5],
  ['frm999sottrazioni', 'lblmessaggio', '#ff0000', '#ffc080', 2.49, 3],
  ['frm999moltiplicazioni', 'lblda', '#ff0000', '#ffc0ff', 2.71, 4.5],
  ['frm999moltiplicazioni', 'lblmessaggio', '#ff0000', '#ffc0ff', 2.71, 3],
  ['frm999divisioni', 'Label3', '#ff0000', '#80ff80', 3.14, 4.5],
  ['frm9999addizioni', 'lblda', '#ff0000', '#80ffff', 3.36, 4.5],
  ['frm9999sottrazioni', 'lblda', '#ff0000', '#ffc0c0', 2.58, 4.5],
  ['frm9999sottrazioni', 'lblmessaggio', '#ff0000', '#ffc0c0', 2.58, 3],
  ['frm9999moltiplicazioni', 'lblda', '#ff0000', '#ffc0ff', 2.71, 4.5],
  ['frm9999moltiplicazioni', 'lblmessaggio', '#ff0000', '#ffc0ff', 2.71, 3],
  ['frm9999moltiplicazioni2', 'lblda', '#ff0000', '#c0c0ff', 2.32, 4.5],
  ['frm9999moltiplicazioni2', 'lblmessaggio', '#ff0000', '#c0c0ff', 2.32, 3],
  ['frm9999divisioni', 'Label3', '#ff0000', '#80ff80', 3.14, 4.5],
];
