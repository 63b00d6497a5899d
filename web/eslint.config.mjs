// ESLint on the page's scripts and on its browser test.
import js from '@eslint/js';
import globals from 'globals';

export default [
  { ignores: ['node_modules/'] },
  js.configs.recommended,
  {
    // The page's modules are classic scripts, inlined one after the other
    // into one <script>: each names one object the later ones use.
    files: ['*.js'],
    languageOptions: {
      sourceType: 'script',
      globals: {
        ...globals.browser,
        createCore: 'readonly',
        Words: 'readonly',
        Keeper: 'readonly',
        Session: 'readonly',
        Typing: 'readonly',
        Summary: 'readonly',
        Controls: 'readonly',
        DrillView: 'readonly',
        QuizView: 'readonly',
        Platform: 'readonly',
      },
    },
    rules: {
      // A module's object is used by the scripts after it.
      'no-unused-vars': ['error', { varsIgnorePattern: '^(Words|Keeper|Session|Typing|Summary|Controls|DrillView|QuizView|Platform)$' }],
      'no-redeclare': ['error', { builtinGlobals: false }],
      eqeqeq: 'error',
      'prefer-const': 'error',
    },
  },
  {
    files: ['test/*.mjs', '*.mjs'],
    languageOptions: { sourceType: 'module', globals: { ...globals.node, ...globals.browser, axe: 'readonly' } },
  },
];
